<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>Рекомендация</translation>
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
        <translation>Неактивно, пока SmartBeaconing выключен: трекер тогда передаёт маяки с интервалом из поля «Интервал передачи авто», а настройки SmartBeaconing не сохраняются.</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>Неактивно, пока SmartBeaconing включён: трекер тогда выбирает время маяков по скорости и поворотам, используя вместо этого интервала интервалы SmartBeaconing.</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>Неактивно, пока «Временные слоты» выключены: трекер тогда передаёт всякий раз, когда истекает его интервал, а сдвиг не сохраняется.</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>Неактивно, пока MIC-E выключен: трекер тогда передаёт обычные сообщения о местоположении, к которым эта настройка не относится.</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>Неактивно, пока «Выключатель питания» выключен: трекер тогда не использует это время.</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>Трекер использует хранящуюся в нём калибровку: запишите новую калибровку, прежде чем проверять её.</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>Позывной вашей станции, передаётся в каждом пакете. SSID указывает тип станции: -9 обычно для автомобиля, -7 для носимой радиостанции. NOCALL, значение по умолчанию, передавать в эфир нельзя.</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Дигипитеры, которых просят повторить каждый пакет, через запятую; пустое поле — только прямая передача. WIDE1-1,WIDE2-1 подходит для большинства районов. Больше %1 хопов засоряет сеть, а RELAY, TRACE и просто WIDE устарели.</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>Символ, которым карты отображают эту станцию, — из таблицы или с оверлеем, указанными рядом. Кнопка рядом с ними показывает его и выводит список всех символов.</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 выбирает основную таблицу символов, %2 — альтернативную. Цифра или заглавная буква выбирает альтернативную таблицу и рисуется поверх символа, если символ допускает оверлей.</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Сколько времени трекер держит радиостанцию на передаче до начала данных автоматического маяка, чтобы передатчик и приёмники успели подготовиться: слишком мало — теряется начало пакета, слишком много — канал занят зря. Хранится с шагом около %1 мс.</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>Время между маяками, пока SmartBeaconing выключен; при включённых «Временных слотах» — длина цикла, в котором находится слот. Рекомендуется раз в %1 секунд или реже.</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Как «Задержка TX авто», но для ручной передачи, а не автоматического маяка. Хранится с шагом около %1 мс.</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>Как «Интервал передачи авто», но для ручных передач: время между ними.</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>Сколько времени канал должен быть свободен, при неактивном CD IN, прежде чем трекер начнёт передачу, чтобы не перекрыть другую станцию. Хранится с шагом около %1 мс.</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>Калибровка тонов трекера, одно значение для обоих профилей. Кнопки в группе «Проверка тонов» передают тоны со значением, хранящимся в трекере: запишите новое значение, прежде чем проверять его.</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>Текст маяка статуса, передаётся раз в несколько передач («Передавать каждые»). Позывные, пути и тексты обоих профилей делят память трекера: строка ниже показывает, сколько символов ещё помещается.</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>Сколько передач проходит от одного маяка статуса до следующего: при 3 текст статуса передаётся с каждой третьей.</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>Добавляет высоту по GPS в каждое сообщение о местоположении.</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>Трекер чередует пути дигипитеров от передачи к передаче, вместо того чтобы передавать каждый пакет по пути из поля «Путь дигипитеров».</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>Передаёт местоположение, только пока GPS сообщает о достоверном определении координат, чтобы не ушло устаревшее или пустое местоположение.</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>Позволяет трекеру принимать последовательные данные с логическими уровнями TTL, как их выдают многие модули GPS, помимо уровней RS-232.</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>Инвертирует вход обнаружения несущей от шумоподавителя радиостанции: включите, если трекер принимает свободный канал за занятый и задерживает маяки.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>Добавляет к каждому местоположению метку времени: день, час и минуту в UTC (формат APRS DHM, DDHHMMz). Включение снимает флажок «Метка времени HMS»; без обеих меток местоположение передаётся без времени.</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>Задерживает передачи трекера, пока активна его линия входа PTT, то есть пока вы говорите через радиостанцию, чтобы маяк никогда не перебивал ваш голос.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>Добавляет к каждому местоположению метку времени: час, минуту и секунду в UTC (формат APRS HMS, HHMMSSh). Включение снимает флажок «Метка времени DHM»; без обеих меток местоположение передаётся без времени.</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>Передаёт местоположение в формате MIC-E: компактно, частично в адресе назначения, с сообщением статуса и кодом пути. Если флажок снят, трекер передаёт обычные сообщения о местоположении.</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>Статус MIC-E, передаваемый с каждым местоположением. Бедствие! поднимает тревогу на каждой станции, которая его примет: выбирайте его только при настоящем бедствии.</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>Оставляет в пакете MIC-E только печатные символы — для дигипитеров и программ, которые отбрасывают пакеты с другими символами.</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Код пути, который MIC-E передаёт в адресе назначения: «Обычный» передаёт путь из поля «Путь дигипитеров»; от WIDE-1 до WIDE-7 запрашивают столько же хопов; «Север», «Юг», «Восток» и «Запад» запрашивают направленную ретрансляцию, а с «+ WIDE» — ещё и хоп WIDE. Больше %1 хопов засоряет сеть.</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>Передаёт с постоянным сдвигом в каждом цикле, заданном полем «Интервал передачи авто», по часам GPS, чтобы у каждого трекера на общей частоте был свой слот и они никогда не сталкивались. Включение снимает флажок SmartBeaconing.</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>В какой момент каждого цикла, заданного полем «Интервал передачи авто», трекер передаёт: дайте каждому трекеру на частоте свой сдвиг.</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>Выбирает время маяков по скорости и поворотам: часто на большой скорости, редко на малой и сразу после поворота, чтобы карта прорисовывала маршрут малым числом пакетов. «Интервал передачи авто» тогда не используется; включение снимает флажок «Временные слоты».</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>Наименьшее изменение курса, при котором на большой скорости маяк передаётся сразу; на меньших скоростях к нему добавляется «Крутизна поворота».</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>Увеличивает поворот, нужный на малой скорости: маяк уходит, когда курс меняется больше чем на «Мин. угол поворота» + «Крутизна поворота» ÷ скорость в MPH, чтобы не каждый медленный поворот в городе вызывал маяк.</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>Наименьшее время между двумя маяками, переданными из-за поворотов, чтобы извилистая дорога не вызывала маяк каждые несколько секунд.</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>На этой скорости и ниже трекер передаёт маяк с интервалом из поля «Интервал медленно». Она должна быть ниже, чем «Высокая скорость».</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>Время между маяками на скорости не выше «Низкая скорость» — на стоянке или пешком.</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>На этой скорости и выше трекер передаёт маяк с интервалом из поля «Интервал быстро»; между двумя скоростями время между маяками зависит от скорости.</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>Время между маяками на скорости не ниже «Высокая скорость». Его следует задавать короче, чем «Интервал медленно».</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>Включает переключение питания трекера по времени из поля «Время выключателя».</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>Время переключения питания трекера.</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>Трекер хранит два полных профиля, у каждого свой позывной, путь, символ, текст, время и параметры; общая только калибровка. Форма показывает профиль выбранной вкладки (Ctrl+Tab — другой); «Прочитать конфигурацию», «Записать конфигурацию», «Сохранить» и «Загрузить» всегда охватывают оба. Позывной и путь или текст статуса, совпадающие с профилем «Основной», хранятся один раз, что оставляет текстам статуса больше места.</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>Последовательный порт, к которому подключён трекер, на скорости 4800 бод: %1, каждый из них — устройство на этом компьютере, указанное в подсказке его пункта, либо устройство, заданное своим путём.</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>Запрашивает версию у трекера на выбранном COM-порту: быстрая проверка того, что кабель, порт и трекер отвечают. Ничего не изменяет.</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>Читает оба профиля и калибровку из трекера в форму дважды, чтобы убедиться, что оба чтения совпадают. Сначала спрашивает, если в форме есть несохранённые изменения.</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>Записывает оба профиля и калибровку в трекер, затем читает их обратно, чтобы проверить каждый байт. После этого форма показывает значения так, как их хранит трекер, задержки — с его шагом.</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Включает передачу радиостанции и передаёт непрерывный тон 1200 Гц (тон «mark») до нажатия «Остановить передачу»: для настройки девиации или проверки калибровки. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Включает передачу радиостанции и передаёт непрерывный тон 2200 Гц (тон «space») до нажатия «Остановить передачу»: для настройки девиации или проверки калибровки. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Включает передачу радиостанции и передаёт оба тона, 1200 и 2200 Гц, до нажатия «Остановить передачу»: чтобы сравнить их уровни на приёмнике. %1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>Велит трекеру остановить тестовый тон и снять радиостанцию с передачи. Закрытие окна тоже останавливает тон.</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>Закрывает окно; сначала спрашивает, если в форме есть несохранённые изменения, и останавливает тестовый тон, если он ещё звучит.</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>Сохраняет оба профиля и калибровку в файл .wl3 в том виде, в каком их хранил бы трекер.</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>Загружает оба профиля и калибровку из файла .wl3 или из формата JSON утилиты wl3. Сначала спрашивает, если в форме есть несохранённые изменения.</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>Показывает форму рядом с файлом или трекером, поле за полем, и переносит выбранные вами значения с другой стороны. Ничего не записывается и не сохраняется.</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>Изображение символа, заданного полями «Символ» и «Таблица / оверлей». Открывает список всех символов с изображениями и названиями; выбранный заполняет оба поля.</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>Профиль «Основной»: первый из двух полных наборов настроек трекера.</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>Профиль «Второй»: второй полный набор настроек, для другого позывного, пути или времени.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>Файлы конфигурации Wrenlink3 (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Загрузить файл конфигурации</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>Папка не существует:
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Сохранить файл конфигурации</translation>
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
        <translation>Прочитать &amp;версию</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Прочитать конфигурацию</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Записать конфигурацию</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>Передать &amp;1200 Гц</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>Передать &amp;2200 Гц</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>Передать &amp;оба</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>О&amp;становить передачу</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>За&amp;грузить</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Проверка тонов</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>Второй</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Не на службе</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>В пути</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>На службе</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Возвращаюсь</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Занят</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Особый</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Приоритет</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Бедствие!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Север + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Юг + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Восток + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>Запад + WIDE</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Маяк статуса</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>Настройки MIC-E</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>Временные слоты</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>Выключатель питания</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Позывной:</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>Путь дигипитеров:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Символ:</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>Таблица / оверлей:</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>Задержка TX авто:</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>миллисекунд</translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation>Интервал передачи авто:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>секунд</translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation>Задержка TX вручную:</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>Интервал передачи вручную:</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>Время тишины:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Калибровка:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>Передавать каждые:</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>передач</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Передавать высоту</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Запасные пути digi</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Только верные</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Разрешить TTL-порт</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Инвертировать вход CD</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Метка времени DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>Нет выхода PTT при входе PTT</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Метка времени HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Сообщение:</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Только печатные</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Путь:</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>Сдвиг передачи:</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>Мин. угол поворота:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градусов</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>Крутизна поворота:</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>Мин. время поворота:</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>Низкая скорость:</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>Интервал медленно:</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>Высокая скорость:</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>Интервал быстро:</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>Время выключателя:</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>С&amp;равнить…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>Осталось символов: %1</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>%1 лишних: %2 текст обрезан</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>%1 лишних: оба текста обрезаны</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>не существует</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>стандартный вывод</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>вывод</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>входной файл</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>файл устройств</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>отчёт</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>таблица</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>файл %1</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>резервная копия %1</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>пользователя %1</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>пользователя с номером %1</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1: ссылка другого пользователя (%2), по которой root не переходит</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1: ссылка другого пользователя (%2) в общей папке</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1: проходит через %2, ссылку другого пользователя (%3), по которой root не переходит</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1: проходит через %2, ссылку другого пользователя (%3) в общей папке</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: это папка</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: это не папка</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1: только для чтения</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1: это не файл (устройство, канал или сокет)</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: не читается: %2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1: находится в несуществующей папке</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1: в этой папке нельзя создать файл: %2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1: записаны не все байты</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1: не файл и не устройство для записи</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1: файл другого пользователя в общей папке</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1: принадлежит другому пользователю или группе, чего новый файл не смог бы сохранить</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1: ссылка, ведущая туда, где нельзя сохранить файл</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: это %2</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1: %2 заменил бы %3</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 — терминал, а файл .wl3 двоичный: перенаправьте вывод или укажите файл</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1: не файл конфигурации</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1: содержит образ из %2 байт, а не %3</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1: обрывается внутри заголовка</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1: обрывается после %2 из %3 байт образа</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1: содержит образ, который нельзя декодировать</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1: больше 1 МиБ</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1: под заголовком нет ни одного трекера</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1: неверный CSV в строке %2: %3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1: недостаточно памяти</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Не удалось открыть файл</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Не удалось прочитать данные</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Не удалось записать данные</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Неверный формат файла</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Импорт не удался</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>Файл слишком велик для конфигурации</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Загрузка не удалась</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Сохранение не удалось</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>неверный JSON: %1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>неверный JSON: байт NUL в позиции %1</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>документ должен быть объектом JSON</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>неизвестный ключ %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>повторяющийся ключ %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 должен быть объектом</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 вне диапазона 32-битных знаковых чисел</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 должен быть целым числом</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 должен быть числом</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 должен быть true или false</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 должен быть строкой</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 длиннее 1 символа</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 длиннее %2 символов</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 содержит U+0000, который завершает текст в трекере</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 содержит %2, символ выше U+00FF</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>до шести букв или цифр, при желании с -0 до -15 как SSID</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>от %1 до %2</translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation>адреса через запятую, каждый %1</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1, интервал передачи авто плюс один</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>от 0 до интервала передачи авто плюс один</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>один печатный символ ASCII, от ! до ~</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>не более %1 символов</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>символы от U+0001 до U+00FF</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Запись Wrenlink3</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>Трекер не может хранить эти значения в таком виде:</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>Не удалось занять COM-порт</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>Ошибка GetCommState</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>Ошибка SetCommState</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>Ошибка SetCommTimeouts</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Ошибка записи в COM-порт</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Ошибка чтения из COM-порта</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Ошибка закрытия COM-порта</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1: на этом компьютере нет последовательного порта с таким номером.</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1: такого порта на этом компьютере нет (адаптер подключён?)</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1: %2 (адаптер всё ещё подключён?)</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1: этот порт занят другой программой.</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1: это не последовательное устройство.</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Теперь трекер может содержать неполный образ. Запишите конфигурацию снова.</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1: столбец «%2» указан дважды</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1: неизвестный ключ «%2»</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1: %2 ячеек, а в заголовке %3 (текст с запятой берётся в двойные кавычки)</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1: порт: %2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1: нет столбца «%2»</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Неверный номер COM-порта</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Неверный COM-порт</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>COM-порт: записанное не совпадает</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>Wrenlink3 не найден</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1: ответ на запрос версии пришёл не от Wrenlink3.</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1: нет ответа на запрос версии (трекер включён и подключён?)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Запись не удалась</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Запись не удалась (код %1 %2)</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Версия Wrenlink3</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Чтение Wrenlink3</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Чтение не удалось</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Чтение успешно</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Запись успешна</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Калибровка не записана</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>Новое значение калибровки нужно записать до проверки тонов</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>Неверный размер EE</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>Неверный размер EE %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>Позывные и пути дигипитеров не помещаются в память трекера. Используйте меньше дигипитеров или сделайте основные и вторые позывные и пути одинаковыми.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Текст маяка статуса обрезан</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>Основной или второй текст маяка статуса слишком длинный и был обрезан. Для более длинного текста используйте меньше дигипитеров и сделайте основные и вторые позывные, дигипитеры или тексты статуса одинаковыми.</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1: не конфигурация в виде JSON</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>Не удалось записать в стандартный вывод</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>Прервано: сначала отправляется остаток образа, чтобы в трекере не осталась лишь его часть (повторное Ctrl-C останавливает сразу)</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>Прервано: образ отправлен целиком, но не прочитан обратно для проверки.</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Прервано во время записи: теперь трекер может содержать неполный образ. Запишите конфигурацию снова.</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Прервано</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>Трекер передаёт до команды «wl3 tone stop».</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb: не подключено ни одного USB-последовательного адаптера</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1: порт %2 указан дважды (%3: %4)</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1: для нескольких трекеров укажите папку (DIR/), по файлу на каждый</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>Файлы двух трекеров оба были бы %1; укажите разные порты</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Резервная копия сохранена: %1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>Не начато: не удалось запустить поток (%1)</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2: трекер хранит %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>Запрос версии у трекера</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Чтение конфигурации</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>Повторное чтение для проверки</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>Запись конфигурации</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>Обратное чтение для проверки</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>Отправка команды тона</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>доступ запрещён. Добавьте своего пользователя в группу, которой принадлежит устройство (sudo usermod -aG %1 $USER), затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>доступ запрещён. Ваш пользователь в группе %1, но этот сеанс начался до его добавления: выйдите из системы и войдите снова (или выполните newgrp %1).</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>доступ запрещён. Открыть это устройство может только root, и никакая группа не поможет: правило udev должно назначить ему группу (см. PERMISSIONS в man wl3).</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>доступ запрещён.</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 или путь к устройству, а не «%2»</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>имя файла с окончанием %1 или %2, а не «%3»</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1, строка %2</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1: это канал (FIFO): укажите файл или «-» для стандартного вывода</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1: это устройство, не ваш терминал и не /dev/null: укажите файл</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: это текст UTF-16, а файл устройств читается как UTF-8: сохраните его как «CSV UTF-8»</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: это не текст UTF-8 (возможно, «ANSI» или Latin-1 из электронной таблицы): сохраните его как «CSV UTF-8»</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1: в этой папке нельзя создать файл: её файлы принадлежат системе</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1: столбцы разделены точками с запятой, а в файле устройств — запятыми: сохраните его как CSV с запятыми</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>Не более %1 трекеров одновременно: ограничение на открытые файлы не позволяет больше</translation>
    </message>
    <message>
        <source>(none: index %1)</source>
        <translation>(нет: индекс %1)</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2, а не %3</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3, а не %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>Тексты статуса не помещаются в память трекера; ничего не записано.</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>%1 текст статуса: %2 символов, из них помещается %3</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>Сократите их или укажите --allow-cut-text, чтобы записать их обрезанными.</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>Текст маяка статуса слишком длинный</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>Содержит то, что записывает его строка</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>Отличается от своей строки: %1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>нет позывного: каждая передача должна содержать ваш собственный</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 — заглушка, которую нельзя передавать в эфир: укажите свой позывной</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 устарел и больше не обслуживается сетями: используйте WIDE1-1,WIDE2-1 или WIDE2-2</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 запрашивает больше двух хопов и засоряет сеть: используйте не более WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>путь запрашивает всего %1 хопов; больше двух засоряют сеть</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>маяк каждые %1 секунд перегружает канал: рекомендуется раз в минуту или реже</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>низкая скорость (%1 MPH) не ниже высокой (%2 MPH), поэтому SmartBeaconing не может их различить</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>быстрый интервал (%1 секунд) длиннее медленного (%2 секунд): в движении трекер передавал бы маяк реже</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>Бедствие! поднимает тревогу на каждой станции, которая его примет: выбирайте его только при настоящем бедствии</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(пусто)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>та же конфигурация, отличается 1 сохранённый байт</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>та же конфигурация, отличается сохранённых байтов: %1</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>%1 текст статуса сохранён без «%2»</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>%1 подключён</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 теперь %2</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 отключён</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1: %2 отключён</translation>
    </message>
</context>
<context>
    <name>SpeedHint</name>
    <message>
        <source>≈ %1 km/h</source>
        <extracomment>Beside a speed field in MPH: the same speed in km/h, rounded.</extracomment>
        <translation>≈ %1 км/ч</translation>
    </message>
</context>
<context>
    <name>Symbol</name>
    <message>
        <source>Police station</source>
        <translation>Отделение полиции</translation>
    </message>
    <message>
        <source>Digipeater</source>
        <translation>Дигипитер</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>DX cluster</source>
        <translation>DX-кластер</translation>
    </message>
    <message>
        <source>HF gateway</source>
        <translation>КВ-шлюз</translation>
    </message>
    <message>
        <source>Small aircraft</source>
        <translation>Лёгкий самолёт</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>Мобильная спутниковая станция</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>Инвалидная коляска</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>Снегоход</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>Красный Крест</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>Бойскауты</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Дом</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>Красная точка</translation>
    </message>
    <message>
        <source>Circle 0</source>
        <translation>Круг 0</translation>
    </message>
    <message>
        <source>Circle 1</source>
        <translation>Круг 1</translation>
    </message>
    <message>
        <source>Circle 2</source>
        <translation>Круг 2</translation>
    </message>
    <message>
        <source>Circle 3</source>
        <translation>Круг 3</translation>
    </message>
    <message>
        <source>Circle 4</source>
        <translation>Круг 4</translation>
    </message>
    <message>
        <source>Circle 5</source>
        <translation>Круг 5</translation>
    </message>
    <message>
        <source>Circle 6</source>
        <translation>Круг 6</translation>
    </message>
    <message>
        <source>Circle 7</source>
        <translation>Круг 7</translation>
    </message>
    <message>
        <source>Circle 8</source>
        <translation>Круг 8</translation>
    </message>
    <message>
        <source>Circle 9</source>
        <translation>Круг 9</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Пожар</translation>
    </message>
    <message>
        <source>Campground</source>
        <translation>Кемпинг</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>Мотоцикл</translation>
    </message>
    <message>
        <source>Railway engine</source>
        <translation>Локомотив</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Автомобиль</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>Файловый сервер</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>Прогноз урагана</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>Пункт помощи</translation>
    </message>
    <message>
        <source>BBS</source>
        <translation>BBS</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Каноэ</translation>
    </message>
    <message>
        <source>Eyeball (event)</source>
        <translation>Глаз (событие)</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>Сельхозтехника</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>Квадрат локатора</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Гостиница</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Школа</translation>
    </message>
    <message>
        <source>PC user</source>
        <translation>Пользователь ПК</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>Станция NTS</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Воздушный шар</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Полиция</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>Автодом</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>Космический челнок</translation>
    </message>
    <message>
        <source>SSTV</source>
        <translation>SSTV</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Автобус</translation>
    </message>
    <message>
        <source>ATV</source>
        <translation>ATV</translation>
    </message>
    <message>
        <source>Weather service site</source>
        <translation>Метеослужба</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Вертолёт</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Парусник</translation>
    </message>
    <message>
        <source>WinAPRS</source>
        <translation>WinAPRS</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Direction finding</source>
        <translation>Пеленгация</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>Большой самолёт</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>Метеостанция</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>Параболическая антенна</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Скорая помощь</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Велосипед</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>Командный пункт</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>Пожарная часть</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Лошадь</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>Пожарная машина</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Планер</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Больница</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>Остров (IOTA)</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Джип</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>Грузовик</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Ноутбук</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>Репитер MIC-E</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Узел</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>Центр управления в ЧС</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Собака</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>Квадрат локатора выше 128 м</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Репитер</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>Моторная лодка</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>Стоянка грузовиков</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>Седельный тягач</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>Фургон</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>Пункт воды</translation>
    </message>
    <message>
        <source>xAPRS</source>
        <translation>xAPRS</translation>
    </message>
    <message>
        <source>Yagi antenna</source>
        <translation>Антенна Яги</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Бедствие</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>Дигипитер, зелёная звезда</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>Банк или банкомат</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>Электростанция</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>Место аварии</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Облачно</translation>
    </message>
    <message>
        <source>Firenet</source>
        <translation>Firenet</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Церковь</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>Гёрлскауты</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>Дом, КВ</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>Неточная позиция</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>Точка назначения</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>Круг (IRLP, EchoLink, WIRES)</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>Сетевой узел (802.11)</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>АЗС</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>Парк или место для пикника</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>Метеопредупреждение</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Транспорт</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>Информационный киоск</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>Ураган или тропический шторм</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>Ящик (DTMF, RFID)</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>Береговая охрана</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Депо</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Дым</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Дымка</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>Ливень</translation>
    </message>
    <message>
        <source>Kenwood radio</source>
        <translation>Радиостанция Kenwood</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Морской маяк</translation>
    </message>
    <message>
        <source>MARS</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>Navigation buoy</source>
        <translation>Навигационный буй</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>Ракета или аэростат</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Парковка</translation>
    </message>
    <message>
        <source>Earthquake</source>
        <translation>Землетрясение</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>Ресторан</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Гроза</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Солнечно</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>Радиомаяк VORTAC</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Аптека</translation>
    </message>
    <message>
        <source>Radio or device</source>
        <translation>Радиостанция или устройство</translation>
    </message>
    <message>
        <source>Wall cloud</source>
        <translation>Стеновое облако</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Воздушное судно</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>Метеопункт</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Дождь</translation>
    </message>
    <message>
        <source>ARRL, ARES, Winlink</source>
        <translation>ARRL, ARES, Winlink</translation>
    </message>
    <message>
        <source>Civil defence (RACES)</source>
        <translation>Гражданская оборона (RACES)</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>DX-спот</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Мокрый снег</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>Воронкообразное облако</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>Штормовые флаги</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Магазин</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>Интересное место</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>Дорожные работы</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>Спецтранспорт (внедорожник, квадроцикл)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Область</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>Знак со значением</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Треугольник</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>Маленький круг</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>Туалеты</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>Судно или лодка</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Торнадо</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>Наводнение</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>Обломки или препятствие</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>Укрытие</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>не назначен</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1 с оверлеем %2</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <extracomment>The window&apos;s menu of looks; each platform&apos;s own menu holds it (the system menu on Windows, the context menu elsewhere).</extracomment>
        <translation>&amp;Тема</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Светлая</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Тёмная</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>Как в &amp;системе</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>О программе WrenlinkIIConfig</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config версия %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 авторы Wrenlink3Config</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>&amp;О программе WrenlinkIIConfig...</translation>
    </message>
</context>
<context>
    <name>wl3::ui::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>This Form</source>
        <translation>Эта форма</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>&amp;Взять их значение</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>Взять &amp;все их значения</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n поле отличается.</numerusform>
            <numerusform>%n поля отличаются.</numerusform>
            <numerusform>%n полей отличаются.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>Различий нет.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>%1: включить</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-порт</translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation>Изменение COM-порта</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>В конфигурации есть несохранённые изменения.</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>Сначала сохранить их в файл?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Сохранить…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Отбросить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation>Не удалось остановить тестовый тон: трекер, возможно, всё ещё передаёт его, и радиостанция может быть в эфире.</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>Проверьте кабель и COM-порт и попробуйте снова или выключите радиостанцию перед закрытием.</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>&amp;Закрыть всё равно</translation>
    </message>
    <message>
        <source>1200 Hz</source>
        <translation>1200 Гц</translation>
    </message>
    <message>
        <source>2200 Hz</source>
        <translation>2200 Гц</translation>
    </message>
    <message>
        <source>1200 and 2200 Hz</source>
        <translation>1200 и 2200 Гц</translation>
    </message>
    <message>
        <source>Transmitting %1 — Stop Sending ends it</source>
        <extracomment>The notice while a test tone keys the radio: %1 the tone.</extracomment>
        <translation>Передача %1 — «Остановить передачу» прекращает её</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>Сравнить форму с файлом или с трекером на %1?</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Файл…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Трекер</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>Передача — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>Всё равно выбрать «Бедствие!» как сообщение MIC-E?</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>&amp;Выбрать Бедствие!</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>Окно сейчас закроется, а в конфигурации есть несохранённые изменения.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>Здесь можно вводить только цифры 0–9</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>нет устройства</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation>%v из %m байт</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolButton</name>
    <message>
        <source>Choose Symbol</source>
        <translation>Выбрать символ</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>Показан символ: %1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>Выберите символ</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>Название или два знака</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Поиск:</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>&amp;Оверлей:</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1: таблица %2, символ %3</translation>
    </message>
</context>
</TS>
