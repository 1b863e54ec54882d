<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>Wskazówka</translation>
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
        <translation>Nieaktywne, gdy SmartBeaconing jest wyłączone: tracker nadaje wtedy beacony w odstępach z pola „Interwał nadawania auto”, a ustawienia SmartBeaconing nie są zapisywane.</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>Nieaktywne, gdy SmartBeaconing jest włączone: tracker ustala wtedy czas beaconów według prędkości i skrętów, a zamiast tego interwału używa interwałów SmartBeaconing.</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>Nieaktywne, gdy „Szczeliny czasowe” są wyłączone: tracker nadaje wtedy za każdym razem, gdy upłynie jego interwał, a przesunięcie nie jest zapisywane.</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>Nieaktywne, gdy MIC-E jest wyłączone: tracker wysyła wtedy zwykłe raporty pozycji, których to ustawienie nie dotyczy.</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>Nieaktywne, gdy „Wyłącznik zasilania” jest wyłączony: tracker nie używa wtedy tego czasu.</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>Tracker używa kalibracji, którą przechowuje: wgraj nową kalibrację przed jej testem.</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>Znak wywoławczy twojej stacji, wysyłany w każdym pakiecie. SSID mówi, jakiego rodzaju jest to stacja: -9 jest typowy dla samochodu, -7 dla radiotelefonu ręcznego. Domyślnego NOCALL nie wolno nadawać.</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Digipeatery proszone o powtórzenie każdego pakietu, rozdzielone przecinkami; puste pole oznacza nadawanie tylko bezpośrednio. WIDE1-1,WIDE2-1 pasuje do większości obszarów. Więcej skoków niż %1 zalewa sieć, a RELAY, TRACE i samo WIDE są przestarzałe.</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>Symbol, którym mapy rysują tę stację, z tabeli lub z nakładką podaną obok. Przycisk obok nich pokazuje go i wyświetla listę wszystkich symboli.</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 wybiera główną tabelę symboli, %2 alternatywną. Cyfra lub wielka litera wybiera tabelę alternatywną i jest rysowana na symbolu, jeśli symbol przyjmuje nakładkę.</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Jak długo tracker włącza nadawanie radia przed początkiem danych beaconu cyklicznego, aby nadajnik i odbiorniki były gotowe: za krótko gubi początek pakietu, za długo blokuje kanał. Przechowywane w krokach około %1 ms.</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>Czas między beaconami, gdy SmartBeaconing jest wyłączone; gdy włączone są „Szczeliny czasowe”, długość cyklu, w którym leży szczelina. Zalecane jest raz na %1 sekund lub rzadziej.</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Jak „Opóźnienie TX auto”, ale dla nadania ręcznego zamiast beaconu cyklicznego. Przechowywane w krokach około %1 ms.</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>Jak „Interwał nadawania auto”, ale dla nadań ręcznych: czas między nimi.</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>Jak długo kanał musi być wolny, przy nieaktywnym CD IN, zanim tracker zacznie nadawać, aby nie nadawał na inną stację. Przechowywane w krokach około %1 ms.</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>Kalibracja tonów trackera, jedna wartość dla obu profili. Przyciski w grupie „Test tonów” wysyłają tony z wartością przechowywaną w trackerze: wgraj nową wartość przed jej testem.</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>Tekst beaconu statusu, wysyłany co kilka nadań („Wysyłaj co”). Znaki wywoławcze, ścieżki i teksty obu profili dzielą pamięć trackera: wiersz poniżej pokazuje, ile znaków jeszcze się zmieści.</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>Ile nadań mija od jednego beaconu statusu do następnego: 3 wysyła tekst statusu z co trzecim.</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>Dodaje wysokość z GPS do każdego raportu pozycji.</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>Sprawia, że tracker zmienia ścieżki digi z nadania na nadanie, zamiast wysyłać każdy pakiet ze ścieżką z pola „Ścieżka digi”.</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>Wysyła pozycję tylko wtedy, gdy GPS zgłasza poprawny fix, aby nie wyszła żadna nieaktualna ani pusta pozycja.</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>Pozwala trackerowi przyjmować dane szeregowe na poziomach logicznych TTL, jak wysyła je wiele modułów GPS, oprócz poziomów RS-232.</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>Odwraca wejście wykrywania nośnej z blokady szumów radia: zaznacz, gdy tracker bierze wolny kanał za zajęty i wstrzymuje beacony.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>Dodaje znacznik czasu do każdej pozycji: dzień, godzinę i minutę w UTC (format APRS DHM, DDHHMMz). Zaznaczenie go odznacza „Znacznik czasu HMS”; bez żadnego z nich pozycje nie niosą czasu.</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>Wstrzymuje nadawanie trackera, gdy jego linia wejścia PTT jest aktywna, czyli gdy mówisz przez radio, aby beacon nigdy nie wszedł w twoją rozmowę.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>Dodaje znacznik czasu do każdej pozycji: godzinę, minutę i sekundę w UTC (format APRS HMS, HHMMSSh). Zaznaczenie go odznacza „Znacznik czasu DHM”; bez żadnego z nich pozycje nie niosą czasu.</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>Wysyła pozycje w formacie MIC-E: zwięzłym, częściowo przenoszonym w adresie docelowym, z komunikatem statusu i kodem ścieżki. Gdy niezaznaczone, tracker wysyła zwykłe raporty pozycji.</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>Status MIC-E wysyłany z każdą pozycją. Alarm! sprawia, że każda stacja, która go odbierze, podnosi alarm: wybieraj go tylko w prawdziwym zagrożeniu.</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>Utrzymuje wszystkie znaki pakietu MIC-E jako drukowalne, ze względu na digipeatery i programy, które odrzucają pakiety zawierające inne znaki.</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Kod ścieżki, który MIC-E przenosi w adresie docelowym: „Konwencjonalna” wysyła ścieżkę z pola „Ścieżka digi”; WIDE-1 do WIDE-7 żądają tylu skoków; „Północ”, „Południe”, „Wschód” i „Zachód” żądają digipeatingu kierunkowego, a z „+ WIDE” także skoku WIDE. Więcej skoków niż %1 zalewa sieć.</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>Nadaje z ustalonym przesunięciem w każdym cyklu z pola „Interwał nadawania auto”, według zegara GPS, aby trackery na wspólnej częstotliwości miały każdy własną szczelinę i nigdy nie kolidowały. Zaznaczenie odznacza SmartBeaconing.</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>W którym miejscu każdego cyklu z pola „Interwał nadawania auto” tracker nadaje: daj każdemu trackerowi na tej częstotliwości własne przesunięcie.</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>Ustala czas beaconów według prędkości i skrętów: często przy szybkiej jeździe, rzadko przy powolnej i od razu po skręcie, aby mapa odwzorowała trasę przy niewielu pakietach. „Interwał nadawania auto” nie jest wtedy używany; zaznaczenie odznacza „Szczeliny czasowe”.</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>Najmniejsza zmiana kursu, która przy dużej prędkości od razu wysyła beacon; przy mniejszych prędkościach dodaje się do niej „Nachylenie skrętu”.</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>Zwiększa skręt wymagany przy małej prędkości: beacon wychodzi, gdy kurs zmieni się o więcej niż „Min. kąt skrętu” + „Nachylenie skrętu” ÷ prędkość w MPH, aby nie każdy powolny zakręt w mieście wysyłał beacon.</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>Najkrótszy czas między dwoma beaconami wysłanymi z powodu skrętów, aby kręta droga nie wysyłała beaconu co kilka sekund.</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>Przy tej prędkości lub mniejszej tracker nadaje beacony co „Interwał wolny”. Musi być mniejsza niż „Prędkość wysoka”.</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>Czas między beaconami przy prędkości nie większej niż „Prędkość niska”, na postoju lub pieszo.</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>Przy tej prędkości lub większej tracker nadaje beacony co „Interwał szybki”; między tymi dwiema prędkościami czas między beaconami zależy od prędkości.</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>Czas między beaconami przy prędkości nie mniejszej niż „Prędkość wysoka”. Powinien być krótszy niż „Interwał wolny”.</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>Włącza przełączanie zasilania w trackerze, według czasu z pola „Czas wyłącznika”.</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>Czas przełączania zasilania w trackerze.</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>Tracker przechowuje dwa pełne profile, każdy z własnym znakiem wywoławczym, ścieżką, symbolem, tekstem, czasami i opcjami; wspólna jest tylko kalibracja. Formularz pokazuje profil wybranej karty (Ctrl+Tab przełącza na drugi); „Odczytaj konfigurację”, „Wgraj konfigurację”, „Zapisz” i „Wczytaj” zawsze obejmują oba. Znak wywoławczy i ścieżka albo tekst statusu równe tym z profilu „Główny” są przechowywane raz, co zostawia tekstom statusu więcej miejsca.</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>Port szeregowy, do którego podłączony jest tracker (4800 bodów): %1, każdy to urządzenie na tym komputerze wskazane w podpowiedzi jego pozycji na liście, albo urządzenie podane ścieżką.</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>Pyta tracker na wybranym porcie COM o wersję: szybkie sprawdzenie, czy kabel, port i tracker odpowiadają. Niczego nie zmienia.</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>Odczytuje oba profile i kalibrację z trackera do formularza, dwukrotnie, aby upewnić się, że oba odczyty są zgodne. Najpierw pyta, gdy formularz ma niezapisane zmiany.</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>Wgrywa oba profile i kalibrację do trackera, a potem odczytuje je zwrotnie, aby sprawdzić każdy bajt. Formularz pokazuje potem wartości tak, jak przechowuje je tracker, opóźnienia w jego krokach.</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Włącza nadawanie radia i wysyła stały ton 1200 Hz (ton mark) aż do „Zatrzymaj nadawanie”: do ustawienia dewiacji lub sprawdzenia kalibracji. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Włącza nadawanie radia i wysyła stały ton 2200 Hz (ton space) aż do „Zatrzymaj nadawanie”: do ustawienia dewiacji lub sprawdzenia kalibracji. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Włącza nadawanie radia i wysyła oba tony, 1200 i 2200 Hz, aż do „Zatrzymaj nadawanie”: do porównania ich poziomów w odbiorniku. %1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>Każe trackerowi zatrzymać ton testowy i wyłączyć nadawanie radia. Zamknięcie okna także zatrzymuje ton.</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>Zamyka okno; najpierw pyta, gdy formularz ma niezapisane zmiany, i zatrzymuje ton testowy, który jeszcze brzmi.</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>Zapisuje oba profile i kalibrację w pliku .wl3, tak jak przechowywałby je tracker.</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>Wczytuje oba profile i kalibrację z pliku .wl3 albo z postaci JSON narzędzia wl3. Najpierw pyta, gdy formularz ma niezapisane zmiany.</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>Pokazuje formularz obok pliku lub trackera, pole po polu, i przejmuje wybrane przez ciebie wartości z drugiej strony. Nic nie jest wgrywane ani zapisywane.</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>Obrazek symbolu wyznaczonego przez „Symbol” i „Tabela / Nakładka”. Otwiera listę wszystkich symboli z obrazkami i nazwami; wybrany wypełnia oba pola.</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>Profil „Główny”: pierwszy z dwóch pełnych zestawów ustawień trackera.</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>Profil „Drugi”: drugi pełny zestaw ustawień, dla innego znaku wywoławczego, ścieżki lub czasów.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>Pliki konfiguracji Wrenlink3 (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Wczytaj plik konfiguracji</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>Folder nie istnieje:
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Zapisz plik konfiguracji</translation>
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
        <translation>Odczytaj w&amp;ersję</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Odczytaj konfigurację</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Wgraj konfigurację</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>Wyślij &amp;1200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>Wyślij &amp;2200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>Wyślij o&amp;ba</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>Zatrzymaj &amp;nadawanie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>Wczy&amp;taj</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Test tonów</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Główny</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>Drugi</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Poza służbą</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>W drodze</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>W służbie</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Powrót</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Zaangażowany</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Specjalny</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorytet</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Alarm!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Konwencjonalna</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Północ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Południe</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Wschód</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Zachód</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Północ + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Południe + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Wschód + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>Zachód + WIDE</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Czasy</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Beacon statusu</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>Ustawienia MIC-E</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>Szczeliny czasowe</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>Wyłącznik zasilania</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Znak wywoławczy:</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>Ścieżka digi:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>Tabela / Nakładka:</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>Opóźnienie TX auto:</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milisekund</translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation>Interwał nadawania auto:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation>Opóźnienie TX ręczne:</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>Interwał nadawania ręczny:</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>Czas ciszy:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Kalibracja:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>Wysyłaj co:</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>nadań</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Wysyłaj wysokość</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Alternatywne ścieżki digi</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Tylko poprawne pozycje</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Zezwól na port TTL</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Odwróć wejście CD</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Znacznik czasu DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>Bez wyjścia PTT przy wejściu PTT</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Znacznik czasu HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Komunikat:</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Wymuś drukowalne</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ścieżka:</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>Przesunięcie nadawania:</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>Min. kąt skrętu:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>stopni</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>Nachylenie skrętu:</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>Min. czas skrętu:</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>Prędkość niska:</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>Interwał wolny:</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>Prędkość wysoka:</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>Interwał szybki:</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>Czas wyłącznika:</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;Porównaj…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>Pozostało znaków: %1</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>%1 za dużo: skrócono tekst %2</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>%1 za dużo: skrócono oba teksty</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>nie istnieje</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>odmowa dostępu</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standardowe wejście</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standardowe wyjście</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>wyjście</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>plik wejściowy</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>plik jednostek</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>raport</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>tabela</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>plik %1</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>kopia zapasowa %1</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>użytkownika %1</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>użytkownika o numerze %1</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1: jest dowiązaniem innego użytkownika (%2), za którym root nie podąża</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1: jest dowiązaniem innego użytkownika (%2) we wspólnym folderze</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1: prowadzi przez %2, dowiązanie innego użytkownika (%3), za którym root nie podąża</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1: prowadzi przez %2, dowiązanie innego użytkownika (%3) we wspólnym folderze</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: jest folderem</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: nie jest folderem</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1: jest tylko do odczytu</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1: nie jest plikiem (to urządzenie, potok lub gniazdo)</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: nie można odczytać: %2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1: jest w folderze, który nie istnieje</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1: w tym folderze nie można utworzyć pliku: %2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1: nie udało się zapisać wszystkich bajtów</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1: nie jest ani plikiem, ani urządzeniem do zapisu</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1: jest plikiem innego użytkownika we wspólnym folderze</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1: należy do innego użytkownika lub grupy, czego nowy plik nie mógłby zachować</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1: jest dowiązaniem, które nie prowadzi tam, gdzie można zapisać plik</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: jest %2</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1: %2 zastąpiłby %3</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 jest terminalem, a plik .wl3 jest binarny: przekieruj go lub podaj plik</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1: nie jest plikiem konfiguracji</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1: zawiera obraz o %2 bajtach, a nie %3</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1: kończy się wewnątrz nagłówka</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1: kończy się po %2 z %3 bajtów obrazu</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1: zawiera obraz, którego nie można zdekodować</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1: jest większy niż 1 MiB</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1: nie zawiera żadnego trackera pod nagłówkiem</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1: niepoprawny CSV w wierszu %2: %3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1: brak pamięci</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Nie udało się otworzyć pliku</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Nie udało się odczytać danych</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Nie udało się zapisać danych</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Niepoprawny format pliku</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import nie powiódł się</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>Plik za duży na konfigurację</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Wczytanie nie powiodło się</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Zapis nie powiódł się</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>niepoprawny JSON: %1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>niepoprawny JSON: bajt NUL na pozycji %1</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>dokument musi być obiektem JSON</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>nieznany klucz %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>powtórzony klucz %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 musi być obiektem</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 jest poza zakresem 32-bitowej liczby ze znakiem</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 musi być liczbą całkowitą</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 musi być liczbą</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 musi być true lub false</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 musi być ciągiem znaków</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 jest dłuższy niż 1 znak</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 jest dłuższy niż %2 znaków</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 zawiera U+0000, który kończy tekst w trackerze</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 zawiera %2, znak powyżej U+00FF</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>do sześciu liter lub cyfr, opcjonalnie z -0 do -15 jako SSID</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation>adresy rozdzielone przecinkami, każdy %1</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1, interwał nadawania auto plus jeden</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>od 0 do interwału nadawania auto plus jeden</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>jeden drukowalny znak ASCII, od ! do ~</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>najwyżej %1 znaków</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>znaki od U+0001 do U+00FF</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Zapis Wrenlink3</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>Tracker nie może przechować tych wartości w tej postaci:</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>Nie można przejąć portu COM</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState nie powiodło się</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState nie powiodło się</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts nie powiodło się</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Zapis do portu COM nie powiódł się</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Odczyt z portu COM nie powiódł się</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Zamknięcie portu COM nie powiodło się</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1: ten komputer nie ma portu szeregowego o tym numerze.</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1: nie ma takiego portu na tym komputerze (czy adapter jest podłączony?)</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1: %2 (czy adapter jest nadal podłączony?)</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1: inny program używa tego portu.</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1: to nie jest urządzenie szeregowe.</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Tracker może teraz zawierać niepełny obraz. Wgraj konfigurację ponownie.</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1: kolumna „%2” występuje dwukrotnie</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1: nieznany klucz „%2”</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1: %2 komórek tam, gdzie nagłówek ma %3 (tekst z przecinkiem ujmij w cudzysłów)</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1: port: %2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1: brak kolumny „%2”</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Niepoprawny numer portu COM</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Niepoprawny port COM</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Port COM: zapisane dane się nie zgadzają</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>Nie znaleziono Wrenlink3</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1: odpowiedź na zapytanie o wersję nie pochodzi od Wrenlink3.</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1: brak odpowiedzi na zapytanie o wersję (czy tracker jest włączony i podłączony?)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Zapis nie powiódł się</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Zapis nie powiódł się (kod %1 %2)</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Wersja Wrenlink3</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Odczyt Wrenlink3</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Odczyt nie powiódł się</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Odczyt udany</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Zapis udany</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Kalibracja niezapisana</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>Nową wartość kalibracji należy wgrać przed testem tonów</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>Zły rozmiar EE</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>Zły rozmiar EE %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>Znaki wywoławcze i ścieżki digi nie mieszczą się w pamięci trackera. Użyj mniej digipeaterów albo ustaw jednakowe główne i drugie znaki wywoławcze i ścieżki.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Tekst beaconu statusu skrócony</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>Główny lub drugi tekst beaconu statusu jest za długi i został skrócony. Aby mieć dłuższy tekst, użyj mniej digipeaterów i ustaw jednakowe główne i drugie znaki wywoławcze, digipeatery lub teksty statusu.</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1: nie jest konfiguracją w postaci JSON</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>Nie udało się pisać na standardowe wyjście</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>Przerwano: najpierw wysyłana jest reszta obrazu, aby tracker nie został z jego częścią (ponowne Ctrl-C zatrzymuje od razu)</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>Przerwano: cały obraz został wysłany, ale nie odczytany ponownie do sprawdzenia.</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Przerwano podczas zapisu: tracker może teraz zawierać niepełny obraz. Wgraj konfigurację ponownie.</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Przerwano</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>Tracker nadaje aż do „wl3 tone stop”.</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb: nie podłączono żadnego adaptera USB-szeregowego</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1: port %2 podano dwukrotnie (%3: %4)</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1: przy wielu trackerach podaj folder (DIR/) na plik dla każdego</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>Pliki dwóch trackerów byłyby oba %1; rozróżnij ich porty</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Zapisano kopię zapasową: %1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>Nie rozpoczęto: nie udało się uruchomić wątku (%1)</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2: tracker przechowuje %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>Pytanie trackera o wersję</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Odczyt konfiguracji</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>Ponowny odczyt, do sprawdzenia</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>Wgrywanie konfiguracji</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>Odczyt zwrotny, do sprawdzenia</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>Wysyłanie polecenia tonu</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>odmowa dostępu. Dodaj swojego użytkownika do grupy, do której należy urządzenie (sudo usermod -aG %1 $USER), a potem wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>odmowa dostępu. Twój użytkownik jest w grupie %1, ale ta sesja zaczęła się przed jego dodaniem: wyloguj się i zaloguj ponownie (lub uruchom newgrp %1).</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>odmowa dostępu. Tylko root może otworzyć to urządzenie i żadna grupa nie pomoże: reguła udev musi nadać mu grupę (zob. PERMISSIONS w man wl3).</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>odmowa dostępu.</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 lub ścieżka urządzenia, a nie „%2”</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>nazwa pliku kończąca się na %1 lub %2, a nie „%3”</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 wiersz %2</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1: jest potokiem (FIFO): podaj plik lub „-” dla standardowego wyjścia</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1: jest urządzeniem, ani twoim terminalem, ani /dev/null: podaj plik</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: jest tekstem UTF-16, a plik jednostek jest czytany jako UTF-8: zapisz go jako „CSV UTF-8”</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: nie jest tekstem UTF-8 (może „ANSI” lub Latin-1 z arkusza kalkulacyjnego): zapisz go jako „CSV UTF-8”</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1: w tym folderze nie można utworzyć pliku: jego pliki należą do systemu</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1: kolumny są rozdzielone średnikami, a w pliku jednostek przecinkami: zapisz go jako CSV z przecinkami</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>Najwyżej %1 trackerów naraz: limit otwartych plików nie pozwala na więcej</translation>
    </message>
    <message>
        <source>(none: index %1)</source>
        <translation>(brak: indeks %1)</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2, nie %3</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3, nie %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>Teksty statusu nie mieszczą się w pamięci trackera; nic nie zapisano.</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>%1 – tekst statusu: %2 znaków, z czego mieści się %3</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>Skróć je albo podaj --allow-cut-text, aby zapisać je skrócone.</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>Tekst beaconu statusu za długi</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>Zawiera to, co zapisuje jego wiersz</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>Różni się od swojego wiersza: %1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>brak znaku wywoławczego: każde nadanie musi zawierać twój własny</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 to znak zastępczy, którego nie wolno nadawać: ustaw własny znak wywoławczy</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 jest przestarzały i sieci już go nie obsługują: użyj WIDE1-1,WIDE2-1 lub WIDE2-2</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 żąda więcej niż dwóch skoków i zalewa sieć: użyj najwyżej WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>ścieżka żąda łącznie %1 skoków; więcej niż dwa zalewają sieć</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>beacon co %1 sekund zapycha kanał: zalecany raz na minutę lub rzadziej</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>prędkość niska (%1 MPH) nie jest mniejsza od wysokiej (%2 MPH), więc SmartBeaconing nie może ich rozróżnić</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>interwał szybki (%1 sekund) jest dłuższy niż wolny (%2 sekund): w ruchu tracker nadawałby rzadziej</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>Alarm! sprawia, że każda stacja, która go odbierze, podnosi alarm: wybieraj go tylko w prawdziwym zagrożeniu</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(puste)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>ta sama konfiguracja, różni się 1 zapisany bajt</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>ta sama konfiguracja, różni się zapisanych bajtów: %1</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>%1 – tekst statusu zapisano bez „%2”</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>Podłączono %1</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 to teraz %2</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>Odłączono %1</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1: odłączono %2</translation>
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
        <translation>Posterunek policji</translation>
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
        <translation>DX cluster</translation>
    </message>
    <message>
        <source>HF gateway</source>
        <translation>Bramka KF</translation>
    </message>
    <message>
        <source>Small aircraft</source>
        <translation>Mały samolot</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>Mobilna stacja satelitarna</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>Wózek inwalidzki</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>Skuter śnieżny</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>Czerwony Krzyż</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>Harcerze</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>Czerwona kropka</translation>
    </message>
    <message>
        <source>Circle 0</source>
        <translation>Kółko 0</translation>
    </message>
    <message>
        <source>Circle 1</source>
        <translation>Kółko 1</translation>
    </message>
    <message>
        <source>Circle 2</source>
        <translation>Kółko 2</translation>
    </message>
    <message>
        <source>Circle 3</source>
        <translation>Kółko 3</translation>
    </message>
    <message>
        <source>Circle 4</source>
        <translation>Kółko 4</translation>
    </message>
    <message>
        <source>Circle 5</source>
        <translation>Kółko 5</translation>
    </message>
    <message>
        <source>Circle 6</source>
        <translation>Kółko 6</translation>
    </message>
    <message>
        <source>Circle 7</source>
        <translation>Kółko 7</translation>
    </message>
    <message>
        <source>Circle 8</source>
        <translation>Kółko 8</translation>
    </message>
    <message>
        <source>Circle 9</source>
        <translation>Kółko 9</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Pożar</translation>
    </message>
    <message>
        <source>Campground</source>
        <translation>Kemping</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>Motocykl</translation>
    </message>
    <message>
        <source>Railway engine</source>
        <translation>Lokomotywa</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Samochód</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>Serwer plików</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>Prognoza huraganu</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>Punkt pomocy</translation>
    </message>
    <message>
        <source>BBS</source>
        <translation>BBS</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kajak</translation>
    </message>
    <message>
        <source>Eyeball (event)</source>
        <translation>Oko (wydarzenie)</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>Pojazd rolniczy</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>Kwadrat lokatora</translation>
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
        <translation>Szkoła</translation>
    </message>
    <message>
        <source>PC user</source>
        <translation>Użytkownik PC</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>Stacja NTS</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Policja</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>Kamper</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>Prom kosmiczny</translation>
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
        <translation>Służba meteorologiczna</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Śmigłowiec</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Żaglówka</translation>
    </message>
    <message>
        <source>WinAPRS</source>
        <translation>WinAPRS</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Osoba</translation>
    </message>
    <message>
        <source>Direction finding</source>
        <translation>Radionamierzanie</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>Poczta</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>Duży samolot</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>Stacja pogodowa</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>Antena paraboliczna</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Karetka</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Rower</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>Stanowisko dowodzenia</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>Remiza strażacka</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Koń</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>Wóz strażacki</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Szybowiec</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Szpital</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>Wyspa (IOTA)</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jeep</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>Ciężarówka</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>Przemiennik MIC-E</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Węzeł</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>Centrum zarządzania kryzysowego</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>Kwadrat lokatora powyżej 128 m</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Przemiennik</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>Motorówka</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>Parking dla TIR-ów</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>Ciągnik z naczepą</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>Furgonetka</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>Punkt z wodą</translation>
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
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>Digipeater, zielona gwiazda</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>Bank lub bankomat</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>Elektrownia</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Bramka</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>Miejsce katastrofy</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Pochmurno</translation>
    </message>
    <message>
        <source>Firenet</source>
        <translation>Firenet</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kościół</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>Harcerki</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>Dom, KF</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>Pozycja przybliżona</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>Punkt docelowy</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>Kółko (IRLP, EchoLink, WIRES)</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>Węzeł sieci (802.11)</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>Stacja paliw</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>Park lub miejsce piknikowe</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>Ostrzeżenie pogodowe</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Pojazd</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>Punkt informacyjny</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>Huragan lub burza tropikalna</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>Skrzynka (DTMF, RFID)</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>Straż przybrzeżna</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Zajezdnia</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Dym</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Zamglenie</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>Przelotny deszcz</translation>
    </message>
    <message>
        <source>Kenwood radio</source>
        <translation>Radio Kenwood</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Latarnia morska</translation>
    </message>
    <message>
        <source>MARS</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>Navigation buoy</source>
        <translation>Boja nawigacyjna</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>Rakieta lub balon</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>Earthquake</source>
        <translation>Trzęsienie ziemi</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>Restauracja</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Burza</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Słonecznie</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>Radiolatarnia VORTAC</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Apteka</translation>
    </message>
    <message>
        <source>Radio or device</source>
        <translation>Radio lub urządzenie</translation>
    </message>
    <message>
        <source>Wall cloud</source>
        <translation>Chmura ściana</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Statek powietrzny</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>Punkt pogodowy</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Deszcz</translation>
    </message>
    <message>
        <source>ARRL, ARES, Winlink</source>
        <translation>ARRL, ARES, Winlink</translation>
    </message>
    <message>
        <source>Civil defence (RACES)</source>
        <translation>Obrona cywilna (RACES)</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>Spot DX</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Deszcz ze śniegiem</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>Chmura lejkowata</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>Flagi sztormowe</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Sklep</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>Ciekawe miejsce</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>Roboty drogowe</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>Pojazd specjalny (SUV, quad)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Obszar</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>Znak z wartością</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Trójkąt</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>Małe kółko</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>Toalety</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>Statek lub łódź</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>Powódź</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>Wrak lub przeszkoda</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>Schronienie</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>nieprzypisany</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1 z nakładką %2</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <extracomment>The window&apos;s menu of looks; each platform&apos;s own menu holds it (the system menu on Windows, the context menu elsewhere).</extracomment>
        <translation>&amp;Motyw</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Jasny</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Ciemny</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>Jak &amp;system</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>O programie WrenlinkIIConfig</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config wersja %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 autorzy Wrenlink3Config</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>&amp;O programie WrenlinkIIConfig...</translation>
    </message>
</context>
<context>
    <name>wl3::ui::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>This Form</source>
        <translation>Ten formularz</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>&amp;Weź ich wartość</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>Weź &amp;wszystkie ich wartości</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n pole się różni.</numerusform>
            <numerusform>%n pola się różnią.</numerusform>
            <numerusform>%n pól się różni.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>Nic się nie różni.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>%1: włącz</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation>Zmiana portu COM</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>Konfiguracja ma niezapisane zmiany.</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>Najpierw zapisać je do pliku?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Zapisz…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation>Nie udało się zatrzymać tonu testowego: tracker może go nadal wysyłać, a radio może nadawać.</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>Sprawdź kabel i port COM, a potem spróbuj ponownie, albo wyłącz radio przed zamknięciem.</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>Spróbuj &amp;ponownie</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>Zamknij &amp;mimo to</translation>
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
        <translation>1200 i 2200 Hz</translation>
    </message>
    <message>
        <source>Transmitting %1 — Stop Sending ends it</source>
        <extracomment>The notice while a test tone keys the radio: %1 the tone.</extracomment>
        <translation>Nadawanie %1 — „Zatrzymaj nadawanie” je kończy</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>Porównać formularz z plikiem czy z trackerem na %1?</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Plik…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Tracker</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>Nadawanie — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>Mimo to wybrać „Alarm!” jako komunikat MIC-E?</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>&amp;Wybierz Alarm!</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>Okno zostanie zamknięte, a konfiguracja ma niezapisane zmiany.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>Tu można wpisywać tylko cyfry 0–9</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>brak urządzenia</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation>%v z %m bajtów</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolButton</name>
    <message>
        <source>Choose Symbol</source>
        <translation>Wybierz symbol</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>Pokazany symbol: %1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>Wybierz symbol</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>Nazwa lub dwa znaki</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>&amp;Nakładka:</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1: tabela %2, symbol %3</translation>
    </message>
</context>
</TS>
