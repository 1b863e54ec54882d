<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>Advies</translation>
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
        <translation>Uitgegrijsd zolang SmartBeaconing uit staat: de tracker zendt zijn bakens dan volgens het „Auto zendinterval”, en de instellingen van SmartBeaconing worden niet opgeslagen.</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>Uitgegrijsd zolang SmartBeaconing aan staat: de tracker stemt zijn bakens dan af op snelheid en bochten, met de intervallen van SmartBeaconing in plaats van dit interval.</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>Uitgegrijsd zolang „Tijdslots” uit staat: de tracker zendt dan telkens als zijn interval om is, en de verschuiving wordt niet opgeslagen.</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>Uitgegrijsd zolang MIC-E uit staat: de tracker zendt dan gewone positierapporten, waarvoor deze instelling niet geldt.</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>Uitgegrijsd zolang „Voedingsschakelaar” uit staat: de tracker gebruikt deze tijd dan niet.</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>De tracker gebruikt de kalibratie die hij bewaart: schrijf een nieuwe kalibratie voordat u die test.</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>De roepnaam van uw station, die in elk pakket wordt meegezonden. Een SSID geeft aan wat voor station het is: -9 is gebruikelijk voor een auto, -7 voor een portofoon. NOCALL, de standaardwaarde, mag niet worden uitgezonden.</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>De digipeaters die elk pakket moeten herhalen, gescheiden door komma&apos;s; bij een leeg veld wordt alleen direct gezonden. WIDE1-1,WIDE2-1 past in de meeste gebieden. Meer dan %1 hops overspoelt het netwerk, en RELAY, TRACE en WIDE alleen zijn verouderd.</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>Het symbool waarmee kaarten dit station tekenen, uit de tabel of met de overlay ernaast. De knop ernaast toont het en somt alle symbolen op.</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 kiest de primaire symbooltabel, %2 de alternatieve. Een cijfer of hoofdletter kiest de alternatieve tabel en wordt over het symbool getekend, als het symbool een overlay toelaat.</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Hoe lang de tracker de zender in de lucht heeft voordat de gegevens van een getimed baken beginnen, zodat zender en ontvangers gereed zijn: te kort kost het begin van het pakket, te lang houdt het kanaal bezet. De waarde wordt bewaard in stappen van ongeveer %1 ms.</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>De tijd tussen bakens zolang SmartBeaconing uit staat; met „Tijdslots” de lengte van de cyclus waarin het slot valt. Eens per %1 seconden of minder vaak wordt aangeraden.</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Zoals „Auto TX-vertraging”, voor een handmatige uitzending in plaats van een getimed baken. De waarde wordt bewaard in stappen van ongeveer %1 ms.</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>Zoals „Auto zendinterval”, voor handmatige uitzendingen: de tijd ertussen.</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>Hoe lang het kanaal vrij moet zijn geweest, met de CD-ingang inactief, voordat de tracker zendt, zodat hij niet over een ander station heen zendt. De waarde wordt bewaard in stappen van ongeveer %1 ms.</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>De toonkalibratie van de tracker, één waarde voor beide profielen. De knoppen onder „Toontest” laten de tonen horen met de waarde die de tracker bewaart: schrijf een nieuwe waarde voordat u die test.</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>De tekst van het statusbaken, die om de paar uitzendingen wordt meegezonden (Zend elke). Roepnamen, paden en teksten van beide profielen delen het geheugen van de tracker: de regel eronder zegt hoeveel tekens er nog in passen.</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>Hoeveel uitzendingen er van het ene statusbaken tot het volgende verlopen: 3 zendt de statustekst met elke derde mee.</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>Voegt de GPS-hoogte toe aan elk positierapport.</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>Laat de tracker zijn digipaden van de ene uitzending op de volgende afwisselen, in plaats van elk pakket met het „Digipad” te zenden.</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>Zendt een positie alleen zolang de GPS een geldige fix meldt, zodat er geen verouderde of lege positie uitgaat.</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>Laat de tracker seriële gegevens op TTL-logicaniveaus aannemen, zoals veel GPS-modules die zenden, naast RS-232-niveaus.</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>Keert de draaggolfdetectie-ingang van de squelch van de zender om: vink dit aan als de tracker een vrij kanaal voor een bezet kanaal aanziet en zijn bakens inhoudt.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>Voegt aan elke positie een tijdstempel toe: dag, uur en minuut in UTC (de APRS-vorm DHM, DDHHMMz). Aanvinken vinkt „Tijdstempel HMS” uit; zonder een van beide dragen posities geen tijd.</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>Houdt de uitzendingen van de tracker in zolang zijn PTT-in-lijn actief is, terwijl u via de zender spreekt, zodat een baken nooit door uw stem heen komt.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>Voegt aan elke positie een tijdstempel toe: uur, minuut en seconde in UTC (de APRS-vorm HMS, HHMMSSh). Aanvinken vinkt „Tijdstempel DHM” uit; zonder een van beide dragen posities geen tijd.</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>Zendt posities in MIC-E-vorm: compact, deels in het bestemmingsadres meegestuurd, met een statusbericht en een padcode. Niet aangevinkt zendt de tracker gewone positierapporten.</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>De MIC-E-status die met elke positie wordt meegezonden. Noodgeval! laat elk station dat het ontvangt alarm slaan: kies het alleen bij een echt noodgeval.</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>Houdt elk teken van het MIC-E-pakket afdrukbaar, voor digipeaters en programma&apos;s die pakketten met andere tekens weggooien.</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>De padcode die MIC-E in zijn bestemmingsadres meestuurt: „Conventioneel” zendt het „Digipad”; WIDE-1 tot WIDE-7 vragen om evenveel hops; „Noord”, „Zuid”, „Oost” en „West” vragen om richtinggebonden digipeating, „+ WIDE” ook om een WIDE-hop. Meer dan %1 hops overspoelt het netwerk.</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>Zendt op een vaste verschuiving in elke cyclus van het „Auto zendinterval”, getimed door de GPS-klok, zodat trackers op dezelfde frequentie elk een eigen slot houden en nooit botsen. Aanvinken vinkt SmartBeaconing uit.</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>Waar in elke cyclus van het „Auto zendinterval” de tracker zendt: geef elke tracker op de frequentie een eigen verschuiving.</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>Stemt de bakens af op snelheid en bochten: vaak bij hoge snelheid, zelden bij lage, en meteen na een bocht, zodat een kaart de route met weinig pakketten tekent. Het „Auto zendinterval” wordt dan niet gebruikt; aanvinken vinkt „Tijdslots” uit.</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>De kleinste koerswijziging die bij hoge snelheid meteen een baken zendt; bij lagere snelheden komt „Bochthelling” erbij.</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>Verhoogt de benodigde bocht bij lage snelheid: er gaat een baken uit als de koers meer verandert dan „Min. bochthoek” + „Bochthelling” ÷ snelheid in MPH, zodat langzame bochten in de stad niet elk een baken zenden.</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>De kortste tijd tussen twee bakens die voor bochten worden gezonden, zodat een bochtige weg er niet om de paar seconden een zendt.</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>Bij deze snelheid of lager zendt de tracker een baken elk „Interval langzaam”. De waarde moet onder „Hoge snelheid” liggen.</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>De tijd tussen bakens bij „Lage snelheid” of lager, geparkeerd of lopend.</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>Bij deze snelheid of hoger zendt de tracker een baken elk „Interval snel”; tussen de twee snelheden volgt de tijd tussen bakens de snelheid.</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>De tijd tussen bakens bij „Hoge snelheid” of hoger. Die hoort korter te zijn dan „Interval langzaam”.</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>Schakelt de voedingsschakeling van de tracker in, getimed door „Schakeltijd”.</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>De tijd van de voedingsschakeling van de tracker.</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>De tracker bewaart twee volledige profielen, elk met een eigen roepnaam, pad, symbool, tekst, timing en opties; alleen de kalibratie wordt gedeeld. Het formulier toont het profiel van het gekozen tabblad (Ctrl+Tab voor het andere); Lezen, Schrijven, Opslaan en Laden nemen altijd beide mee. Een roepnaam en pad, of een statustekst, gelijk aan die van „Primair” worden maar één keer opgeslagen, wat de statusteksten meer ruimte laat.</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>De seriële poort waarop de tracker is aangesloten, op 4800 baud: %1, elk het apparaat op deze machine dat de tooltip van de vermelding noemt, of een apparaat opgegeven met zijn pad.</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>Vraagt de tracker op de gekozen COM-poort naar zijn versie: een snelle controle of kabel, poort en tracker antwoorden. Wijzigt niets.</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>Leest beide profielen en de kalibratie van de tracker in het formulier, twee keer, om zeker te zijn dat beide lezingen overeenkomen. Vraagt eerst als het formulier wijzigingen heeft die niet zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>Schrijft beide profielen en de kalibratie naar de tracker en leest ze daarna terug om elke byte te controleren. Het formulier toont dan de waarden zoals de tracker ze bewaart, vertragingen in zijn stappen.</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Zet de zender in de lucht en zendt een constante toon van 1200 Hz, de mark-toon, tot „Zenden stoppen”: om de zwaai in te stellen of de kalibratie te controleren. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Zet de zender in de lucht en zendt een constante toon van 2200 Hz, de space-toon, tot „Zenden stoppen”: om de zwaai in te stellen of de kalibratie te controleren. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Zet de zender in de lucht en zendt beide tonen, 1200 en 2200 Hz, tot „Zenden stoppen”: om hun niveaus op een ontvanger te vergelijken. %1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>Vraagt de tracker de testtoon te stoppen en de zender uit de lucht te halen. Het venster sluiten stopt een toon ook.</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>Sluit het venster; vraagt eerst als het formulier wijzigingen heeft die niet zijn opgeslagen, en stopt een testtoon die nog klinkt.</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>Slaat beide profielen en de kalibratie op in een .wl3-bestand, zoals de tracker ze zou bewaren.</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>Laadt beide profielen en de kalibratie uit een .wl3-bestand, of uit de JSON-vorm van wl3. Vraagt eerst als het formulier wijzigingen heeft die niet zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>Toont het formulier naast een bestand of de tracker, veld voor veld, en neemt de waarden die u kiest van de andere kant over. Er wordt niets geschreven of opgeslagen.</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>De afbeelding van het symbool dat „Symbool” en „Tabel / Overlay” opgeven. Opent een lijst van alle symbolen met afbeelding en naam; het gekozen symbool vult beide velden.</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>Het profiel „Primair”: de eerste van de twee volledige sets instellingen van de tracker.</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>Het profiel „Secundair”: een tweede volledige set instellingen, voor een andere roepnaam, een ander pad of een andere timing.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>Wrenlink3-configuratiebestanden (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Configuratiebestand laden</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>De map bestaat niet:
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Configuratiebestand opslaan</translation>
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
        <translation>&amp;Versie lezen</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>Configuratie &amp;lezen</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>Configuratie &amp;schrijven</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>&amp;1200 Hz zenden</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>&amp;2200 Hz zenden</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>&amp;Beide zenden</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>Zenden s&amp;toppen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>La&amp;den</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configureren</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Toontest</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primair</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>Secundair</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Buiten dienst</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>Onderweg</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>In dienst</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Keert terug</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Ingezet</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Speciaal</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioriteit</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Noodgeval!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Conventioneel</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Noord + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Zuid + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Oost + WIDE</translation>
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
        <translation>Timing</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Statusbaken</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>MIC-E-instellingen</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>Tijdslots</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>Voedingsschakelaar</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Roepnaam:</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>Digipad:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbool:</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>Tabel / Overlay:</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>Auto TX-vertraging:</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milliseconden</translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation>Auto zendinterval:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation>Handmatige TX-vertraging:</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>Handmatig zendinterval:</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>Stiltetijd:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Kalibratie:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>Zend elke:</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>uitzendingen</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Hoogte zenden</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Alternatieve digipaden</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Alleen geldige zenden</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Seriële TTL toestaan</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>CD-ingang omkeren</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Tijdstempel DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>Geen PTT-uit bij PTT-in</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Tijdstempel HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Bericht:</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Afdrukbaar forceren</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pad:</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>Zendverschuiving:</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>Min. bochthoek:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graden</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>Bochthelling:</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>Min. bochttijd:</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>Lage snelheid:</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>Interval langzaam:</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>Hoge snelheid:</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>Interval snel:</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>Schakeltijd:</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>Ver&amp;gelijken…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>%1 tekens over</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>%1 te veel: tekst %2 ingekort</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>%1 te veel: beide teksten ingekort</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>bestaat niet</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standaardinvoer</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standaarduitvoer</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>de uitvoer</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>het invoerbestand</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>het eenhedenbestand</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>het rapport</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>de tabel</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>de map</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>het bestand van %1</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>de back-up van %1</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>van %1</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>van gebruiker %1</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1: is een koppeling van een andere gebruiker (%2), die root niet volgt</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1: is een koppeling van een andere gebruiker (%2) in een gedeelde map</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1: loopt via %2, een koppeling van een andere gebruiker (%3), die root niet volgt</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1: loopt via %2, een koppeling van een andere gebruiker (%3) in een gedeelde map</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: is een map</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: is geen map</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1: is alleen-lezen</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1: is geen bestand (een apparaat, een pipe of een socket)</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1: staat in een map die niet bestaat</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1: in deze map kan geen bestand worden gemaakt: %2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1: niet elke byte kon worden geschreven</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1: is geen bestand en geen apparaat om naar te schrijven</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1: is het bestand van een andere gebruiker in een gedeelde map</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1: is van een andere gebruiker of groep, wat een nieuw bestand niet zou kunnen behouden</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1: is een koppeling die nergens heen leidt waar een bestand kan worden opgeslagen</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: is %2</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1: %2 zou %3 vervangen</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 is een terminal, en een .wl3-bestand is binair: stuur het om of noem een bestand</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1: is geen configuratiebestand</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1: bevat een image van %2 bytes, niet %3</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1: eindigt binnen de header</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1: eindigt na %2 van de %3 imagebytes</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1: bevat een image dat niet kan worden gedecodeerd</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1: is groter dan 1 MiB</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1: bevat onder de header geen tracker</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1: geen geldige CSV in rij %2: %3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1: onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Bestand openen mislukt</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Gegevens lezen mislukt</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Gegevens schrijven mislukt</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Ongeldige bestandsindeling</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Importeren mislukt</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>Bestand te groot voor een configuratie</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Laden mislukt</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Opslaan mislukt</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>geen geldige JSON: %1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>geen geldige JSON: een NUL-byte op byte %1</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>het document moet een JSON-object zijn</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>onbekende sleutel %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>dubbele sleutel %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 moet een object zijn</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 valt buiten het bereik van 32 bits met teken</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 moet een geheel getal zijn</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 moet een getal zijn</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 moet true of false zijn</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 moet een tekenreeks zijn</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 is langer dan 1 teken</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 is langer dan %2 tekens</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 bevat U+0000, dat op de tracker een tekst beëindigt</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 bevat %2, een teken boven U+00FF</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>tot zes letters of cijfers, eventueel gevolgd door -0 tot -15 als SSID</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation>adressen gescheiden door komma&apos;s, elk %1</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1, het auto zendinterval plus één</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>0 tot het auto zendinterval plus één</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>één afdrukbaar ASCII-teken, ! tot ~</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>hoogstens %1 tekens</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>tekens van U+0001 tot U+00FF</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Wrenlink3 schrijven</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>De tracker kan deze waarden niet zo bewaren:</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>COM-poort kon niet worden verkregen</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState mislukt</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState mislukt</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts mislukt</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Schrijven naar COM-poort mislukt</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Lezen van COM-poort mislukt</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Sluiten van COM-poort mislukt</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1: deze machine heeft geen seriële poort met dit nummer.</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1: deze poort bestaat niet op deze machine (is de adapter aangesloten?)</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1: %2 (is de adapter nog aangesloten?)</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1: een ander programma gebruikt deze poort.</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1: dit is geen serieel apparaat.</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>De tracker bevat nu mogelijk een onvolledig image. Schrijf de configuratie opnieuw.</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1: kolom „%2” komt twee keer voor</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1: onbekende sleutel „%2”</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1: %2 cellen waar de header er %3 heeft (een tekst met een komma hoort tussen dubbele aanhalingstekens)</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1: poort: %2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1: geen kolom „%2”</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Ongeldig COM-poortnummer</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>COM-poort ongeldig</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>COM-poort: geschreven gegevens wijken af</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>Wrenlink3 niet gevonden</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1: het antwoord op de versievraag komt niet van een Wrenlink3.</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1: geen antwoord op de versievraag (staat de tracker aan en is hij aangesloten?)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Schrijven mislukt</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Schrijven mislukt (code %1 %2)</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Wrenlink3-versie</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Wrenlink3 lezen</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Lezen mislukt</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lezen gelukt</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Schrijven gelukt</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Kalibratie niet geschreven</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>De nieuwe kalibratiewaarde moet worden geschreven voordat de tonen worden getest</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>Verkeerde EE-grootte</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>Verkeerde EE-grootte %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>De roepnamen en digipaden passen niet in het geheugen van de tracker. Gebruik minder digipeaters, of maak de primaire en secundaire roepnamen en paden gelijk.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Tekst van statusbaken ingekort</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>De primaire of secundaire tekst van het statusbaken is te lang en is ingekort. Voor een langere tekst gebruikt u minder digipeaters en maakt u de primaire en secundaire roepnamen, digipeaters of statusteksten gelijk.</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1: is geen configuratie in JSON-vorm</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>Schrijven naar standaarduitvoer mislukt</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>Onderbroken: eerst wordt de rest van het image verzonden, zodat de tracker er niet maar een deel van houdt (nogmaals Ctrl-C stopt meteen)</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>Onderbroken: het hele image is verzonden, maar niet teruggelezen ter controle.</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Onderbroken tijdens het schrijven: de tracker bevat nu mogelijk een onvolledig image. Schrijf de configuratie opnieuw.</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Onderbroken</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>De tracker blijft zenden tot „wl3 tone stop”.</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb: er is geen USB-seriële adapter aangesloten</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1: poort %2 is twee keer genoemd (%3: %4)</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1: noem bij meerdere trackers een map (DIR/) voor elk een bestand</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>De bestanden van twee trackers zouden allebei %1 zijn; geef hun poorten verschillend op</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Back-up opgeslagen: %1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>Niet begonnen: er kon geen thread worden gestart (%1)</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2: de tracker bewaart %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>De tracker naar zijn versie vragen</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>De configuratie lezen</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>Nogmaals lezen, ter controle</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>De configuratie schrijven</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>Teruglezen, ter controle</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>De toonopdracht zenden</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>toegang geweigerd. Voeg uw gebruiker toe aan de groep die eigenaar is van het apparaat (sudo usermod -aG %1 $USER), en meld u daarna af en weer aan.</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>toegang geweigerd. Uw gebruiker zit in de groep %1, maar deze sessie begon voordat hij werd toegevoegd: meld u af en weer aan (of voer newgrp %1 uit).</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>toegang geweigerd. Alleen root mag dit apparaat openen, en geen groep helpt: een udev-regel moet het een groep geven (zie PERMISSIONS in man wl3).</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>toegang geweigerd.</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 of een apparaatpad, niet „%2”</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>een bestandsnaam die eindigt op %1 of %2, niet „%3”</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 rij %2</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1: is een pipe (FIFO): noem een bestand, of &quot;-&quot; voor standaarduitvoer</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1: is een apparaat, niet uw terminal of /dev/null: noem een bestand</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: is UTF-16-tekst, en een eenhedenbestand wordt als UTF-8 gelezen: sla het op als &quot;CSV UTF-8&quot;</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: is geen UTF-8-tekst (misschien &quot;ANSI&quot; of Latin-1 van een spreadsheet): sla het op als &quot;CSV UTF-8&quot;</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1: in deze map kan geen bestand worden gemaakt: de bestanden zijn van het systeem</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1: de kolommen zijn gescheiden door puntkomma&apos;s, die van een eenhedenbestand door komma&apos;s: sla het op als CSV met komma&apos;s</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>onvoldoende geheugen</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>Hoogstens %1 trackers tegelijk: de limiet op open bestanden staat niet meer toe</translation>
    </message>
    <message>
        <source>(none: index %1)</source>
        <translation>(geen: index %1)</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2, niet %3</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3, niet %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>De statusteksten passen niet in het geheugen van de tracker; er is niets geschreven.</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>Statustekst %1: %2 tekens, waarvan %3 passen</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>Kort ze in, of geef --allow-cut-text op om ze ingekort te schrijven.</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>Tekst van statusbaken te lang</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>Bevat wat zijn rij schrijft</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>Wijkt af van zijn rij: %1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>geen roepnaam: elke uitzending moet uw eigen roepnaam bevatten</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 is een plaatshouder die niet mag worden uitgezonden: stel uw eigen roepnaam in</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 is verouderd en wordt door de netwerken niet meer bediend: gebruik WIDE1-1,WIDE2-1 of WIDE2-2</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 vraagt meer dan twee hops en overspoelt het netwerk: gebruik hoogstens WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>het pad vraagt in totaal %1 hops; meer dan twee overspoelt het netwerk</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>een baken elke %1 seconden belast het kanaal te zwaar: eens per minuut of minder vaak wordt aangeraden</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>de lage snelheid (%1 MPH) ligt niet onder de hoge snelheid (%2 MPH), dus SmartBeaconing kan ze niet onderscheiden</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>het snelle interval (%1 seconden) is langer dan het langzame (%2 seconden): onderweg zou de tracker minder vaak zenden</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>Noodgeval! laat elk station dat het ontvangt alarm slaan: kies het alleen bij een echt noodgeval</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leeg)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>zelfde configuratie, 1 opgeslagen byte verschilt</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>zelfde configuratie, %1 opgeslagen bytes verschillen</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>Statustekst %1 opgeslagen zonder „%2”</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>%1 is aangesloten</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 is nu %2</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 is losgekoppeld</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1: %2 is losgekoppeld</translation>
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
        <translation>Politiebureau</translation>
    </message>
    <message>
        <source>Digipeater</source>
        <translation>Digipeater</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>DX cluster</source>
        <translation>DX-cluster</translation>
    </message>
    <message>
        <source>HF gateway</source>
        <translation>HF-gateway</translation>
    </message>
    <message>
        <source>Small aircraft</source>
        <translation>Klein vliegtuig</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>Mobiel satellietstation</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>Rolstoel</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>Sneeuwscooter</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>Rode Kruis</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>Padvinders</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Huis</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>Rode stip</translation>
    </message>
    <message>
        <source>Circle 0</source>
        <translation>Cirkel 0</translation>
    </message>
    <message>
        <source>Circle 1</source>
        <translation>Cirkel 1</translation>
    </message>
    <message>
        <source>Circle 2</source>
        <translation>Cirkel 2</translation>
    </message>
    <message>
        <source>Circle 3</source>
        <translation>Cirkel 3</translation>
    </message>
    <message>
        <source>Circle 4</source>
        <translation>Cirkel 4</translation>
    </message>
    <message>
        <source>Circle 5</source>
        <translation>Cirkel 5</translation>
    </message>
    <message>
        <source>Circle 6</source>
        <translation>Cirkel 6</translation>
    </message>
    <message>
        <source>Circle 7</source>
        <translation>Cirkel 7</translation>
    </message>
    <message>
        <source>Circle 8</source>
        <translation>Cirkel 8</translation>
    </message>
    <message>
        <source>Circle 9</source>
        <translation>Cirkel 9</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>Campground</source>
        <translation>Camping</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Railway engine</source>
        <translation>Locomotief</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>Bestandsserver</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>Orkaanverwachting</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>EHBO-post</translation>
    </message>
    <message>
        <source>BBS</source>
        <translation>BBS</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kano</translation>
    </message>
    <message>
        <source>Eyeball (event)</source>
        <translation>Eyeball (evenement)</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>Landbouwvoertuig</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>Locatorvak</translation>
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
        <translation>School</translation>
    </message>
    <message>
        <source>PC user</source>
        <translation>PC-gebruiker</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>NTS-station</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Politie</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>Camper</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>Spaceshuttle</translation>
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
        <translation>Weerdienst</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Zeilboot</translation>
    </message>
    <message>
        <source>WinAPRS</source>
        <translation>WinAPRS</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persoon</translation>
    </message>
    <message>
        <source>Direction finding</source>
        <translation>Peiling</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>Postkantoor</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>Groot vliegtuig</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>Weerstation</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>Schotelantenne</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulance</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Fiets</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>Commandopost</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>Brandweerkazerne</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Paard</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>Brandweerwagen</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Zweefvliegtuig</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Ziekenhuis</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>Eiland (IOTA)</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jeep</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>Vrachtwagen</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>MIC-E-repeater</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Node</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>Crisiscentrum</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hond</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>Locatorvak boven 128 m</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>Motorboot</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>Truckstop</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>Trekker met oplegger</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>Bestelbus</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>Waterpost</translation>
    </message>
    <message>
        <source>xAPRS</source>
        <translation>xAPRS</translation>
    </message>
    <message>
        <source>Yagi antenna</source>
        <translation>Yagi-antenne</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Noodgeval</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>Digipeater, groene ster</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>Bank of geldautomaat</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>Energiecentrale</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>Crashlocatie</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bewolkt</translation>
    </message>
    <message>
        <source>Firenet</source>
        <translation>Firenet</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kerk</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>Padvindsters</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>Huis, HF</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>Onnauwkeurige positie</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>Waypoint (bestemming)</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>Cirkel (IRLP, EchoLink, WIRES)</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>Netwerknode (802.11)</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>Tankstation</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>Park of picknickplaats</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>Weerwaarschuwing</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Voertuig</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>Informatiepunt</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>Orkaan of tropische storm</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>Box (DTMF, RFID)</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>Kustwacht</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Rook</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Nevel</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>Regenbui</translation>
    </message>
    <message>
        <source>Kenwood radio</source>
        <translation>Kenwood-radio</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Vuurtoren</translation>
    </message>
    <message>
        <source>MARS</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>Navigation buoy</source>
        <translation>Vaarwaterboei</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>Raket of ballon</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Parkeerplaats</translation>
    </message>
    <message>
        <source>Earthquake</source>
        <translation>Aardbeving</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>Restaurant</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Onweer</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Zonnig</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>VORTAC-baken</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Apotheek</translation>
    </message>
    <message>
        <source>Radio or device</source>
        <translation>Radio of apparaat</translation>
    </message>
    <message>
        <source>Wall cloud</source>
        <translation>Muurwolk</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Vliegtuig</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>Weerlocatie</translation>
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
        <translation>Civiele bescherming (RACES)</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>DX-spot</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Natte sneeuw</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>Trechterwolk</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>Stormvlaggen</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>Interessant punt</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>Werkzone</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>Speciaal voertuig (SUV, quad)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Gebied</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>Waardebord</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Driehoek</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>Kleine cirkel</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>Toiletten</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>Schip of boot</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>Overstroming</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>Wrak of obstakel</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>Noodopvang</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>niet toegewezen</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1 met overlay %2</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <extracomment>The window&apos;s menu of looks; each platform&apos;s own menu holds it (the system menu on Windows, the context menu elsewhere).</extracomment>
        <translation>&amp;Thema</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Licht</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Donker</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>Zoals het &amp;systeem</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>Over WrenlinkIIConfig</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config versie %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 de auteurs van Wrenlink3Config</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>&amp;Over WrenlinkIIConfig...</translation>
    </message>
</context>
<context>
    <name>wl3::ui::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>This Form</source>
        <translation>Dit formulier</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>&amp;Overnemen</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>&amp;Alles overnemen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n veld verschilt.</numerusform>
            <numerusform>%n velden verschillen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>Niets verschilt.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>%1 inschakelen</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-poort</translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation>Wijziging van COM-poort</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>De configuratie heeft wijzigingen die niet zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>Eerst in een bestand opslaan?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Opslaan…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerpen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation>De testtoon kon niet worden gestopt: de tracker zendt hem misschien nog, en de zender is misschien in de lucht.</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>Controleer de kabel en de COM-poort en probeer het opnieuw, of zet de zender uit voordat u afsluit.</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>Opnieuw &amp;proberen</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>Toch &amp;sluiten</translation>
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
        <translation>1200 en 2200 Hz</translation>
    </message>
    <message>
        <source>Transmitting %1 — Stop Sending ends it</source>
        <extracomment>The notice while a test tone keys the radio: %1 the tone.</extracomment>
        <translation>Zendt %1 — „Zenden stoppen” beëindigt dit</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>Het formulier vergelijken met een bestand, of met de tracker op %1?</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Bestand…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Tracker</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>Zendt — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>Toch Noodgeval! als MIC-E-bericht kiezen?</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>Noodgeval! &amp;kiezen</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>Het venster wordt zo gesloten, en de configuratie heeft wijzigingen die niet zijn opgeslagen.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>Hier kunnen alleen cijfers 0–9 worden getypt</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>geen apparaat</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation>%v van %m bytes</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolButton</name>
    <message>
        <source>Choose Symbol</source>
        <translation>Symbool kiezen</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>Getoond symbool: %1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>Kies een symbool</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>Een naam, of de twee tekens</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbolen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>&amp;Overlay:</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1: tabel %2, symbool %3</translation>
    </message>
</context>
</TS>
