<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>建议</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A field of the compared configurations: %1 is the profile&apos;s tab, %2 the field&apos;s label.</extracomment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Greyed while SmartBeaconing is off: the tracker then beacons at the Auto Transmit Rate, and SmartBeaconing&apos;s settings are not stored.</source>
        <translation>SmartBeaconing 关闭时此项变灰：跟踪器按“自动发射间隔”发送信标，且不保存 SmartBeaconing 的设置。</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>SmartBeaconing 开启时此项变灰：跟踪器按速度和转弯安排信标时机，并以 SmartBeaconing 的间隔代替此间隔。</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>“时隙”关闭时此项变灰：跟踪器每到间隔即发射，且不保存偏移。</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>MIC-E 关闭时此项变灰：跟踪器发送普通位置报告，此设置不适用。</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>“电源开关”关闭时此项变灰：跟踪器不使用此时间。</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>跟踪器使用其已保存的校准值：测试新的校准值前请先写入。</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>您电台的呼号，每个数据包都会发送。SSID 表示电台类型：车载通常用 -9，手持台用 -7。默认的 NOCALL 不可发射。</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>请求转发每个数据包的中继，以逗号分隔；留空则只直接发送。WIDE1-1,WIDE2-1 适合大多数地区。超过 %1 跳会造成网络拥塞，RELAY、TRACE 和单独的 WIDE 已过时。</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>地图上代表此电台的图标，取自旁边所选的图标表，或带旁边所选的叠加字符。旁边的按钮显示该图标，并列出所有图标。</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 选择主图标表，%2 选择备用图标表。数字或大写字母选择备用图标表，若该图标支持叠加，还会叠加显示在图标上。</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>定时信标的数据开始前，跟踪器让电台处于发射状态的时长，使发射机和接收机准备就绪：太短会丢失数据包开头，太长会占用信道。以约 %1 ms 为步长保存。</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>SmartBeaconing 关闭时信标之间的时间；启用“时隙”时，为包含时隙的周期长度。建议每 %1 秒一次或更少。</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>同“自动发射延迟”，但用于手动发射，而非定时信标。以约 %1 ms 为步长保存。</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>同“自动发射间隔”，用于手动发射：两次发射之间的时间。</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>跟踪器发射前，信道须保持空闲（CD IN 无效）的时长，以免压住其他电台。以约 %1 ms 为步长保存。</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>跟踪器的音频校准值，两个配置方案共用一个值。“音频测试”中的按钮按跟踪器已保存的值发出音频：测试新值前请先写入。</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>状态信标的文本，每隔几次发射发送一次（“每隔”）。两个配置方案的呼号、路径和文本共用跟踪器的存储器：下方一行显示还能放下多少个字符。</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>从一次状态信标到下一次之间的发射次数：3 表示每三次发射发送一次状态文本。</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>在每个位置报告中加入 GPS 海拔。</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>让跟踪器每次发射轮换使用中继路径，而不是每个数据包都使用“中继路径”。</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>仅在 GPS 报告有效定位时发送位置，以免发出过时或空的位置。</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>除 RS-232 电平外，还允许跟踪器接收 TTL 逻辑电平的串口数据（许多 GPS 模块以此发送）。</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>反转来自电台静噪的载波检测输入：当跟踪器把空闲信道当成占用而压住信标时勾选此项。</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>为每个位置加上时间戳：UTC 的日、时、分（APRS DHM 格式，DDHHMMz）。勾选此项会取消勾选“时间戳 HMS”；两者都不勾选时，位置不带时间。</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>跟踪器的 PTT 输入线有效时（即您正在用电台通话时）暂停跟踪器的发射，使信标不会打断您的语音。</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>为每个位置加上时间戳：UTC 的时、分、秒（APRS HMS 格式，HHMMSSh）。勾选此项会取消勾选“时间戳 DHM”；两者都不勾选时，位置不带时间。</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>以 MIC-E 格式发送位置：紧凑，部分内容放在目的地址中，并带有状态消息和路径代码。不勾选时，跟踪器发送普通位置报告。</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>随每个位置发送的 MIC-E 状态。紧急！会让每个收到的电台发出警报：仅在真正紧急时选择。</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>使 MIC-E 数据包的每个字符都可打印，以适应会丢弃含其他字符的数据包的中继和程序。</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>MIC-E 在目的地址中携带的路径代码：“常规”发送“中继路径”；WIDE-1 至 WIDE-7 请求相应跳数；“北”“南”“东”“西”请求定向中继，带“+ WIDE”时还请求一个 WIDE 跳。超过 %1 跳会造成网络拥塞。</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>按 GPS 时钟，在“自动发射间隔”的每个周期中以固定偏移发射，使共用同一频率的跟踪器各有自己的时隙，互不冲突。勾选此项会取消勾选 SmartBeaconing。</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>跟踪器在“自动发射间隔”每个周期中的发射位置：请给该频率上的每台跟踪器设置各自的偏移。</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>按速度和转弯安排信标：快时频繁，慢时稀少，转弯后立即发送，使地图用较少的数据包描出路线。此时不使用“自动发射间隔”；勾选此项会取消勾选“时隙”。</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>高速时立即发送信标所需的最小航向变化；速度较低时再加上“转弯斜率”。</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>提高低速时所需的转弯角度：航向变化超过“最小转弯角”+“转弯斜率”÷ 速度（MPH）时发送信标，以免市区里每个缓慢的转角都发送一次。</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>因转弯而发送的两次信标之间的最短时间，以免蜿蜒的道路每隔几秒就发送一次。</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>等于或低于此速度时，跟踪器按“低速间隔”发送信标。必须低于“高速”。</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>速度等于或低于“低速”时（停车或步行）信标之间的时间。</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>等于或高于此速度时，跟踪器按“高速间隔”发送信标；在两个速度之间，信标间隔随速度变化。</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>速度等于或高于“高速”时信标之间的时间。应短于“低速间隔”。</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>开启跟踪器的电源切换，按“电源开关时间”定时。</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>跟踪器电源切换的时间。</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>跟踪器保存两个完整的配置方案，各有自己的呼号、路径、图标、文本、定时和选项；只有校准值是共用的。表单显示所选标签页的配置方案（按 Ctrl+Tab 切换到另一个）；“读取配置”“写入配置”“保存”和“加载”总是同时处理两者。与“主配置”相同的呼号和路径或状态文本只保存一次，为状态文本留出更多空间。</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>连接跟踪器的串口，波特率 4800：%1，每个都是本机上其列表项提示中所指的设备；也可以是用路径指定的设备。</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>向所选 COM 端口上的跟踪器查询版本：快速检查电缆、端口和跟踪器是否有应答。不做任何更改。</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>从跟踪器将两个配置方案和校准值读入表单，读两次以确认两次结果一致。表单有未保存的更改时会先询问。</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>将两个配置方案和校准值写入跟踪器，然后回读以校验每个字节。之后表单显示跟踪器所保存的值，延迟按其步长显示。</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>让电台进入发射状态并持续发送 1200 Hz 音频（传号音），直到按“停止发送”：用于调整频偏或检查校准值。%1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>让电台进入发射状态并持续发送 2200 Hz 音频（空号音），直到按“停止发送”：用于调整频偏或检查校准值。%1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>让电台进入发射状态并发送 1200 和 2200 Hz 两种音频，直到按“停止发送”：用于在接收机上比较两者的电平。%1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>让跟踪器停止测试音并使电台退出发射。关闭窗口也会停止音频。</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>关闭窗口；表单有未保存的更改时会先询问，并停止仍在发出的测试音。</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>将两个配置方案和校准值按跟踪器保存的形式存入 .wl3 文件。</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>从 .wl3 文件或 wl3 的 JSON 形式加载两个配置方案和校准值。表单有未保存的更改时会先询问。</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>将表单与文件或跟踪器逐字段并列显示，并从另一方采用您选择的值。不会写入或保存任何内容。</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>由“图标”和“图标表 / 叠加”确定的图标的图片。打开带图片和名称的全部图标列表；所选图标会填入这两个编辑框。</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>“主配置”：跟踪器两套完整设置中的第一套。</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>“副配置”：第二套完整设置，用于另一个呼号、路径或定时。</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>Wrenlink3 配置文件 (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>加载配置文件</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>文件夹不存在：
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存配置文件</translation>
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
        <translation>读取版本(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>读取配置(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>写入配置(&amp;W)</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>发送 1200 Hz(&amp;1)</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>发送 2200 Hz(&amp;2)</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>同时发送(&amp;B)</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>停止发送(&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>加载(&amp;L)</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>音频测试</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>主配置</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>副配置</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>下班</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>途中</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>值勤中</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>返回中</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>已出动</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>特殊</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>紧急！</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>北 + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>南 + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>东 + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>西 + WIDE</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>定时</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>状态信标</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>MIC-E 设置</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>时隙</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>电源开关</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>呼号：</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>中继路径：</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>图标：</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>图标表 / 叠加：</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>自动发射延迟：</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation>自动发射间隔：</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation>手动发射延迟：</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>手动发射间隔：</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>静默时间：</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>校准值：</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文本：</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>每隔：</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>次发射发送</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>发送海拔</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>备用中继路径</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>仅发送有效位置</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>允许 TTL 串口</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>反转 CD 输入</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>时间戳 DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>PTT 输入时不输出 PTT</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>时间戳 HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>消息：</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>强制可打印字符</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>发射偏移：</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>最小转弯角：</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>转弯斜率：</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>最小转弯时间：</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>低速：</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>低速间隔：</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>高速：</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>高速间隔：</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>电源开关时间：</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>比较(&amp;C)…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>还剩 %1 个字符</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>超出 %1 个字符：%2文本已截断</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>超出 %1 个字符：两个文本均已截断</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>输入文件</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>设备文件</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>%1 的文件</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>%1 的备份</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>%1 的</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>用户 %1 的</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1：是另一用户的链接 (%2)，root 不会跟随</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1：是共享文件夹中另一用户的链接 (%2)</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1：经过 %2，另一用户的链接 (%3)，root 不会跟随</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1：经过 %2，共享文件夹中另一用户的链接 (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1：是文件夹</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1：不是文件夹</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1：是只读的</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1：不是文件（是设备、管道或套接字）</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1：无法读取：%2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1：所在文件夹不存在</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1：无法在此文件夹中创建文件：%2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1：未能写入全部字节</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1：既不是文件也不是可写入的设备</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1：是共享文件夹中另一用户的文件</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1：属于另一用户或组，新文件无法保留这一点</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1：是一个指向无法保存文件之处的链接</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1：是%2</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1：%2 会替换 %3</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 是终端，而 .wl3 文件是二进制的：请重定向或指定文件</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1：不是配置文件</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1：包含 %2 字节的映像，而不是 %3 字节</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1：在文件头内结束</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1：在 %3 个映像字节中的第 %2 个后结束</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1：包含无法解码的映像</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1：大于 1 MiB</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1：文件头下没有任何跟踪器</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1：第 %2 行不是有效的 CSV：%3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1：内存不足</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>无法读取数据</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>无法写入数据</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>文件格式无效</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>导入失败</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>文件太大，不是配置</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>加载失败</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>无效的 JSON：%1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>无效的 JSON：第 %1 字节为 NUL 字节</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>文档必须是 JSON 对象</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>未知的键 %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>重复的键 %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 必须是对象</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 超出有符号 32 位范围</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 必须是整数</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 必须是数字</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 必须是 true 或 false</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 必须是字符串</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 超过 1 个字符</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 超过 %2 个字符</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 包含 U+0000，它在跟踪器上会结束文本</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 包含 %2，一个高于 U+00FF 的字符</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>最多六个字母或数字，可跟 -0 至 -15 作为 SSID</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation>以逗号分隔的地址，每个为%1</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1，自动发射间隔加一</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>0 至自动发射间隔加一</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>一个可打印 ASCII 字符，! 至 ~</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>最多 %1 个字符</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>U+0001 至 U+00FF 的字符</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Wrenlink3 写入</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>跟踪器无法按原样保存这些值：</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1，%2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>无法获取 COM 端口</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState 失败</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState 失败</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts 失败</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>写入 COM 端口失败</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>读取 COM 端口失败</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>关闭 COM 端口失败</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1：本机没有此编号的串口。</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1：本机没有此端口（适配器插好了吗？）</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1：%2（适配器还插着吗？）</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1：另一个程序正在使用此端口。</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1：这不是串口设备。</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>跟踪器现在可能只有部分映像。请重新写入配置。</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1：列“%2”出现两次</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1：未知的键“%2”</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1：有 %2 个单元格，而表头有 %3 个（含逗号的文本要加双引号）</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1：端口：%2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1：没有列“%2”</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>COM 端口号无效</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>COM 端口无效</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>COM 端口：写入内容不一致</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>未找到 Wrenlink3</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1：版本查询的回答不是来自 Wrenlink3。</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1：版本查询无应答（跟踪器已开机并连接了吗？）</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>写入失败</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>写入失败（代码 %1 %2）</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Wrenlink3 版本</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Wrenlink3 读取</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>读取失败</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>读取成功</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>写入成功</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>校准值未写入</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>测试音频前应先写入新的校准值</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>EE 大小错误</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>EE 大小错误 %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>呼号和中继路径放不进跟踪器的存储器。请使用更少的中继，或使主、副呼号和路径相同。</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>状态信标文本已截断</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>主或副状态信标文本太长，已被截断。要使用更长的状态信标文本，请使用更少的中继，并使主、副呼号、中继或状态文本相同。</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1：不是 JSON 形式的配置</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>无法写入标准输出</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>已中断：先发送映像的其余部分，以免跟踪器只留下一部分（再按 Ctrl-C 立即停止）</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>已中断：整个映像已发送，但未回读校验。</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>写入时中断：跟踪器现在可能只有部分映像。请重新写入配置。</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>已中断</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>跟踪器会一直发送，直到“wl3 tone stop”。</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb：没有插入 USB 串口适配器</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1：端口 %2 被指定了两次（%3：%4）</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1：有多个跟踪器时，请指定文件夹 (DIR/)，每台一个文件</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>两个跟踪器的文件都会是 %1；请区分它们的端口</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>备份已保存：%1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>未开始：无法启动线程（%1）</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2：跟踪器可保存 %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>正在询问跟踪器版本</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>正在读取配置</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>正在再次读取以校验</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>正在写入配置</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>正在回读以校验</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>正在发送音频命令</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>权限被拒绝。请将您的用户加入拥有该设备的组（sudo usermod -aG %1 $USER），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>权限被拒绝。您的用户在组 %1 中，但本会话在加入之前就已开始：请注销并重新登录（或运行 newgrp %1）。</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>权限被拒绝。只有 root 能打开此设备，任何组都无济于事：需要用 udev 规则给它一个组（见 man wl3 中的 PERMISSIONS）。</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>权限被拒绝。</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 或设备路径，而不是“%2”</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>以 %1 或 %2 结尾的文件名，而不是“%3”</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 第 %2 行</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1：是管道 (FIFO)：请指定文件，或用“-”表示标准输出</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1：是设备，既不是您的终端也不是 /dev/null：请指定文件</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1：是 UTF-16 文本，而设备文件按 UTF-8 读取：请另存为“CSV UTF-8”</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1：不是 UTF-8 文本（也许是电子表格的“ANSI”或 Latin-1）：请另存为“CSV UTF-8”</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1：无法在此文件夹中创建文件：其中的文件属于系统</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1：各列以分号分隔，而设备文件应以逗号分隔：请另存为逗号分隔的 CSV</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>最多同时处理 %1 台跟踪器：打开文件数的限制不允许更多</translation>
    </message>
    <message>
        <source>(none: index %1)</source>
        <translation>（无：索引 %1）</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2，而不是 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3，而不是 %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>状态文本放不进跟踪器的存储器；未写入任何内容。</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>%1状态文本：%2 个字符，可放下 %3 个</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>请缩短，或使用 --allow-cut-text 截断后写入。</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>状态信标文本过长</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>与其行写入的内容相同</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>与其行不同：%1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>没有呼号：每次发射都必须带有您自己的呼号</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 是不可发射的占位呼号：请设置您自己的呼号</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 已过时，网络不再支持：请使用 WIDE1-1,WIDE2-1 或 WIDE2-2</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 要求超过两跳，会造成网络拥塞：最多使用 WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>路径总共要求 %1 跳；超过两跳会造成网络拥塞</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>每 %1 秒发一次信标会挤占信道：建议每分钟一次或更少</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>低速（%1 MPH）不低于高速（%2 MPH），SmartBeaconing 无法区分两者</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>高速间隔（%1 秒）比低速间隔（%2 秒）长：移动时跟踪器发信标反而更少</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>紧急！会让每个收到的电台发出警报：仅在真正紧急时选择</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>配置相同，有 1 个存储字节不同</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>配置相同，有 %1 个存储字节不同</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>%1状态文本已保存，但不含“%2”</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>%1 已插入</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 现在是 %2</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 已拔出</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1：%2 已拔出</translation>
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
        <translation>警察局</translation>
    </message>
    <message>
        <source>Digipeater</source>
        <translation>数字中继</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>DX cluster</source>
        <translation>DX 集群</translation>
    </message>
    <message>
        <source>HF gateway</source>
        <translation>短波网关</translation>
    </message>
    <message>
        <source>Small aircraft</source>
        <translation>小型飞机</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>移动卫星站</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>轮椅</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>雪地摩托</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>红十字会</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>男童子军</translation>
    </message>
    <message>
        <source>House</source>
        <translation>房屋</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>红点</translation>
    </message>
    <message>
        <source>Circle 0</source>
        <translation>圆圈 0</translation>
    </message>
    <message>
        <source>Circle 1</source>
        <translation>圆圈 1</translation>
    </message>
    <message>
        <source>Circle 2</source>
        <translation>圆圈 2</translation>
    </message>
    <message>
        <source>Circle 3</source>
        <translation>圆圈 3</translation>
    </message>
    <message>
        <source>Circle 4</source>
        <translation>圆圈 4</translation>
    </message>
    <message>
        <source>Circle 5</source>
        <translation>圆圈 5</translation>
    </message>
    <message>
        <source>Circle 6</source>
        <translation>圆圈 6</translation>
    </message>
    <message>
        <source>Circle 7</source>
        <translation>圆圈 7</translation>
    </message>
    <message>
        <source>Circle 8</source>
        <translation>圆圈 8</translation>
    </message>
    <message>
        <source>Circle 9</source>
        <translation>圆圈 9</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火灾</translation>
    </message>
    <message>
        <source>Campground</source>
        <translation>露营地</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>摩托车</translation>
    </message>
    <message>
        <source>Railway engine</source>
        <translation>机车</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>汽车</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>文件服务器</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>飓风预报</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>救护站</translation>
    </message>
    <message>
        <source>BBS</source>
        <translation>BBS</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>独木舟</translation>
    </message>
    <message>
        <source>Eyeball (event)</source>
        <translation>眼睛（活动）</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>农用车</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>酒店</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>School</source>
        <translation>学校</translation>
    </message>
    <message>
        <source>PC user</source>
        <translation>PC 用户</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>NTS 电台</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>气球</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>警察</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>房车</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>航天飞机</translation>
    </message>
    <message>
        <source>SSTV</source>
        <translation>SSTV</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>公交车</translation>
    </message>
    <message>
        <source>ATV</source>
        <translation>ATV</translation>
    </message>
    <message>
        <source>Weather service site</source>
        <translation>气象台</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>直升机</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>帆船</translation>
    </message>
    <message>
        <source>WinAPRS</source>
        <translation>WinAPRS</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>人</translation>
    </message>
    <message>
        <source>Direction finding</source>
        <translation>测向</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>邮局</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>大型飞机</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>气象站</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>抛物面天线</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>救护车</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>自行车</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>现场指挥所</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>消防站</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>马</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>消防车</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>滑翔机</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>医院</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>岛屿（IOTA）</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>吉普车</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>卡车</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>笔记本电脑</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>MIC-E 中继台</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>节点</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>应急指挥中心</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>网格（128 m 以上）</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>中继台</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>摩托艇</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>货车服务区</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>半挂车</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>面包车</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>供水站</translation>
    </message>
    <message>
        <source>xAPRS</source>
        <translation>xAPRS</translation>
    </message>
    <message>
        <source>Yagi antenna</source>
        <translation>八木天线</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>紧急</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>数字中继（绿星）</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>银行或取款机</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>发电厂</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>事故现场</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>多云</translation>
    </message>
    <message>
        <source>Firenet</source>
        <translation>Firenet</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>教堂</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>女童子军</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>房屋（短波）</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>模糊位置</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>目的地航点</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>圆圈（IRLP、EchoLink、WIRES）</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>网络节点（802.11）</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>加油站</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>公园或野餐区</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>天气警示</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>车辆</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>信息亭</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>飓风或热带风暴</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>盒子（DTMF、RFID）</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>海岸警卫队</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>车场</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>烟雾</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>霾</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>阵雨</translation>
    </message>
    <message>
        <source>Kenwood radio</source>
        <translation>建伍电台</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>灯塔</translation>
    </message>
    <message>
        <source>MARS</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>Navigation buoy</source>
        <translation>导航浮标</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>火箭或气球</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>停车场</translation>
    </message>
    <message>
        <source>Earthquake</source>
        <translation>地震</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>餐厅</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>雷暴</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>晴</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>VORTAC 导航台</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>药店</translation>
    </message>
    <message>
        <source>Radio or device</source>
        <translation>电台或设备</translation>
    </message>
    <message>
        <source>Wall cloud</source>
        <translation>墙云</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>飞机</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>气象点</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>雨</translation>
    </message>
    <message>
        <source>ARRL, ARES, Winlink</source>
        <translation>ARRL、ARES、Winlink</translation>
    </message>
    <message>
        <source>Civil defence (RACES)</source>
        <translation>民防（RACES）</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>DX 报告</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>雨夹雪</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>漏斗云</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>大风旗</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>商店</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>兴趣点</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>施工区</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>特种车辆（SUV、全地形车）</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>数值标志</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>小圆圈</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>洗手间</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>船只</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>龙卷风</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>洪水</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>沉船或障碍物</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>避难所</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>未分配</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1（叠加 %2）</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <extracomment>The window&apos;s menu of looks; each platform&apos;s own menu holds it (the system menu on Windows, the context menu elsewhere).</extracomment>
        <translation>主题(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>浅色(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>深色(&amp;D)</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>跟随系统(&amp;S)</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>关于 WrenlinkIIConfig</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config 版本 %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 Wrenlink3Config 作者</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>关于 WrenlinkIIConfig(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>wl3::ui::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>This Form</source>
        <translation>本表单</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>采用对方的值(&amp;T)</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>全部采用对方的值(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>有 %n 个字段不同。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>没有差异。</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>启用%1</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置方案</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM 端口</translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation>COM 端口变化</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>配置有未保存的更改。</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>先保存到文件吗？</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>放弃(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation>无法停止测试音：跟踪器可能仍在发送，电台可能正在发射。</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>请检查电缆和 COM 端口后重试，或在关闭前关掉电台。</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>重试(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>仍然关闭(&amp;L)</translation>
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
        <translation>1200 和 2200 Hz</translation>
    </message>
    <message>
        <source>Transmitting %1 — Stop Sending ends it</source>
        <extracomment>The notice while a test tone keys the radio: %1 the tone.</extracomment>
        <translation>正在发射 %1 — 按“停止发送”结束</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>将表单与文件比较，还是与 %1 上的跟踪器比较？</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>文件(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>跟踪器(&amp;T)</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>正在发射 — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>仍要选择“紧急！”作为 MIC-E 消息吗？</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>选择紧急！(&amp;H)</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>窗口即将关闭，而配置有未保存的更改。</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>此处只能输入数字 0–9</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>无设备</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation>%v / %m 字节</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolButton</name>
    <message>
        <source>Choose Symbol</source>
        <translation>选择图标</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>显示的图标：%1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>选择图标</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>名称，或两个字符</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜索(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>叠加(&amp;O)：</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1：图标表 %2，图标 %3</translation>
    </message>
</context>
</TS>
