<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>アドバイス</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A field of the compared configurations: %1 is the profile&apos;s tab, %2 the field&apos;s label.</extracomment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Greyed while SmartBeaconing is off: the tracker then beacons at the Auto Transmit Rate, and SmartBeaconing&apos;s settings are not stored.</source>
        <translation>SmartBeaconing がオフの間はグレー表示になります: トラッカーは「自動送信間隔」でビーコンを送信し、SmartBeaconing の設定は保存されません。</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>SmartBeaconing がオンの間はグレー表示になります: トラッカーは速度と旋回に応じてビーコンの送信タイミングを決め、この間隔の代わりに SmartBeaconing の間隔を使います。</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>「タイムスロット」がオフの間はグレー表示になります: トラッカーは間隔が来るたびに送信し、オフセットは保存されません。</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>MIC-E がオフの間はグレー表示になります: トラッカーは通常の位置レポートを送信し、この設定は適用されません。</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>「電源スイッチ」がオフの間はグレー表示になります: トラッカーはこの時間を使いません。</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>トラッカーは保持している校正値を使います: 新しい校正値はテストする前に書き込んでください。</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>自局のコールサインで、すべてのパケットで送信されます。SSID は局の種類を表します: 車載は -9、ハンディ機は -7 が一般的です。既定値の NOCALL は送信してはなりません。</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>各パケットの中継を依頼するデジピーターをカンマ区切りで指定します。空欄なら直接送信のみです。ほとんどの地域では WIDE1-1,WIDE2-1 が適しています。%1 ホップを超えるとネットワークを混雑させます。また RELAY、TRACE、単独の WIDE は廃止されています。</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>地図上でこの局を表すシンボルです。隣で指定したテーブルから、または隣で指定したオーバーレイ付きで表示されます。その横のボタンはこのシンボルを表示し、全シンボルを一覧表示します。</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 はプライマリシンボルテーブル、%2 はオルタネートテーブルを選びます。数字または英大文字はオルタネートテーブルを選び、シンボルがオーバーレイに対応していればシンボルに重ねて表示されます。</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>定時ビーコンのデータが始まる前に、トラッカーが無線機を送信状態にしておく時間です。送信機と受信機の準備が整うようにします: 短すぎるとパケットの先頭が失われ、長すぎるとチャンネルを占有します。約 %1 ms 単位で保持されます。</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>SmartBeaconing がオフのときのビーコン間隔です。「タイムスロット」使用時は、スロットを含むサイクルの長さになります。%1 秒に 1 回以下を推奨します。</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>「自動TX遅延」と同様ですが、定時ビーコンではなく手動送信に使います。約 %1 ms 単位で保持されます。</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>「自動送信間隔」と同様で、手動送信の間隔です。</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>トラッカーが送信する前に、CD IN が非アクティブでチャンネルが空いている必要がある時間です。他局に重ねて送信しないようにします。約 %1 ms 単位で保持されます。</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>トラッカーのトーン校正値で、両方のプロファイルで共通です。「トーンテスト」のボタンはトラッカーが保持している値でトーンを鳴らします: 新しい値はテストする前に書き込んでください。</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>ステータスビーコンのテキストで、数回の送信ごとに送信されます (「送信間隔」)。両方のプロファイルのコールサイン、パス、テキストはトラッカーのメモリを共有します: 下の行にあと何文字入るかが表示されます。</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>ステータスビーコンから次のステータスビーコンまでの送信回数です: 3 なら 3 回に 1 回ステータステキストを送信します。</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>各位置レポートに GPS の高度を付加します。</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>すべてのパケットを「デジパス」で送信する代わりに、送信ごとにデジパスを切り替えます。</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>GPS が有効な測位を報告している間だけ位置を送信し、古い位置や空の位置が送信されないようにします。</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>RS-232 レベルに加えて、多くの GPS モジュールが出力する TTL ロジックレベルのシリアルデータもトラッカーが受け付けるようにします。</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>無線機のスケルチからのキャリア検出入力を反転します: トラッカーが空いているチャンネルを使用中と判断してビーコンを送信しないときにチェックしてください。</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>各位置にタイムスタンプを付加します: UTC の日・時・分 (APRS の DHM 形式、DDHHMMz)。チェックすると「タイムスタンプ HMS」のチェックが外れます。どちらもオフなら位置に時刻は付きません。</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>トラッカーの PTT 入力ラインがアクティブな間、つまり無線機で通話している間はトラッカーの送信を控え、ビーコンが音声に割り込まないようにします。</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>各位置にタイムスタンプを付加します: UTC の時・分・秒 (APRS の HMS 形式、HHMMSSh)。チェックすると「タイムスタンプ DHM」のチェックが外れます。どちらもオフなら位置に時刻は付きません。</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>位置を MIC-E 形式で送信します: 一部を宛先アドレスに入れたコンパクトな形式で、ステータスメッセージとパスコードを含みます。オフのときは通常の位置レポートを送信します。</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>各位置とともに送信する MIC-E ステータスです。緊急! は受信したすべての局で警報を鳴らします: 本当の緊急時にだけ選んでください。</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>MIC-E パケットのすべての文字を印字可能文字にします。それ以外の文字を含むパケットを破棄するデジピーターやプログラムのためです。</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>MIC-E が宛先アドレスに入れるパスコードです: 「従来型」は「デジパス」を送信します。WIDE-1 から WIDE-7 はその数のホップを要求します。「北」「南」「東」「西」は方向指定のデジピートを要求し、「+ WIDE」を付けると WIDE のホップも要求します。%1 ホップを超えるとネットワークを混雑させます。</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>GPS の時計に合わせ、「自動送信間隔」の各サイクル内の決まったオフセットで送信します。同じ周波数を使うトラッカーがそれぞれ専用のスロットを持ち、衝突しないようにします。チェックすると SmartBeaconing のチェックが外れます。</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>「自動送信間隔」の各サイクル内でトラッカーが送信する位置です: 同じ周波数の各トラッカーに別々のオフセットを設定してください。</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>速度と旋回に応じてビーコンの送信タイミングを決めます: 速いときは頻繁に、遅いときはまれに、旋回後はすぐに送信し、少ないパケットで地図に経路を描けるようにします。このとき「自動送信間隔」は使われません。チェックすると「タイムスロット」のチェックが外れます。</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>高速時にすぐビーコンを送信する最小の進行方向の変化です。それより低い速度では「旋回勾配」による値が加わります。</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>低速時に必要な旋回を大きくします: 進行方向の変化が「最小旋回角」+「旋回勾配」÷ 速度 (MPH) を超えるとビーコンを送信します。市街地のゆっくりした曲がり角ごとに送信しないようにするためです。</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>旋回によって送信される 2 つのビーコンの最小間隔です。曲がりくねった道で数秒ごとに送信しないようにします。</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>この速度以下では、トラッカーは「低速時間隔」ごとにビーコンを送信します。「高速」より低くする必要があります。</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>「低速」以下 (駐車中や徒歩) のときのビーコン間隔です。</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>この速度以上では、トラッカーは「高速時間隔」ごとにビーコンを送信します。2 つの速度の間では、ビーコン間隔は速度に応じて変わります。</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>「高速」以上のときのビーコン間隔です。「低速時間隔」より短くしてください。</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>トラッカーの電源切り替えを有効にします。タイミングは「電源スイッチ時間」で決まります。</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>トラッカーの電源切り替えの時間です。</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>トラッカーは 2 つの完全なプロファイルを保持し、それぞれに独自のコールサイン、パス、シンボル、テキスト、タイミング、オプションがあります。共通なのは校正値だけです。フォームには選択中のタブのプロファイルが表示されます (もう一方は Ctrl+Tab)。「設定読み出し」「設定書き込み」「保存」「読み込み」は常に両方を対象とします。「プライマリ」と同じコールサインとパス、またはステータステキストは 1 回だけ保存されるので、ステータステキストに使える領域が増えます。</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>トラッカーを接続するシリアルポートです (4800 ボー): %1。それぞれ、項目のツールチップに示されたこのマシン上のデバイスを指します。パスでデバイスを指定することもできます。</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>選択した COM ポートのトラッカーにバージョンを問い合わせます。ケーブル、ポート、トラッカーが応答するかを手早く確認できます。何も変更しません。</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>両方のプロファイルと校正値をトラッカーからフォームに 2 回読み出し、2 回の結果が一致することを確かめます。フォームに保存されていない変更があるときは先に確認します。</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>両方のプロファイルと校正値をトラッカーに書き込み、読み返してすべてのバイトを検証します。その後フォームには、トラッカーが保持しているとおりの値 (遅延はトラッカーの刻みの値) が表示されます。</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>無線機を送信状態にし、「送信停止」まで 1200 Hz の連続トーン (マークトーン) を送信します。デビエーションの調整や校正値の確認に使います。%1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>無線機を送信状態にし、「送信停止」まで 2200 Hz の連続トーン (スペーストーン) を送信します。デビエーションの調整や校正値の確認に使います。%1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>無線機を送信状態にし、「送信停止」まで 1200 Hz と 2200 Hz の両方のトーンを送信します。受信機で両者のレベルを比較するのに使います。%1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>トラッカーにテストトーンを止めさせ、無線機の送信を解除します。ウィンドウを閉じてもトーンは止まります。</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>ウィンドウを閉じます。フォームに保存されていない変更があるときは先に確認し、鳴っているテストトーンは止めます。</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>両方のプロファイルと校正値を、トラッカーが保持するのと同じ形で .wl3 ファイルに保存します。</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>両方のプロファイルと校正値を .wl3 ファイル、または wl3 の JSON 形式から読み込みます。フォームに保存されていない変更があるときは先に確認します。</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>フォームをファイルまたはトラッカーと項目ごとに並べて表示し、選んだ値を相手側から取り込みます。書き込みや保存は行いません。</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>「シンボル」と「テーブル / オーバーレイ」で指定されるシンボルの画像です。画像と名前付きの全シンボルの一覧を開き、選んだシンボルで両方の欄を埋めます。</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>「プライマリ」プロファイル: トラッカーが持つ 2 つの完全な設定セットの 1 つ目です。</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>「セカンダリ」プロファイル: 別のコールサイン、パス、タイミング用の 2 つ目の完全な設定セットです。</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>Wrenlink3 設定ファイル (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>設定ファイルを読み込む</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>フォルダーが存在しません:
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>設定ファイルを保存</translation>
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
        <translation>バージョン読み出し(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>設定読み出し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>設定書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>1200 Hz 送信(&amp;1)</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>2200 Hz 送信(&amp;2)</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>両方送信(&amp;B)</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>送信停止(&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>読み込み(&amp;L)</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>トーンテスト</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>プライマリ</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>セカンダリ</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>非番</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>移動中</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>業務中</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>帰還中</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>対応中</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>特別</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>優先</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>緊急!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>従来型</translation>
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
        <translation>東</translation>
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
        <translation>東 + WIDE</translation>
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
        <translation>タイミング</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>ステータスビーコン</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>MIC-E 設定</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>タイムスロット</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>電源スイッチ</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>コールサイン:</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>デジパス:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>シンボル:</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>テーブル / オーバーレイ:</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>自動TX遅延:</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation>自動送信間隔:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation>手動TX遅延:</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>手動送信間隔:</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>休止時間:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>校正値:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>テキスト:</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>送信間隔:</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>回ごと</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>高度を送信</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>代替デジパス</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>有効な位置のみ送信</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>TTL シリアルを許可</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>CD 入力を反転</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>タイムスタンプ DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>PTT 入力中は PTT 出力なし</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>タイムスタンプ HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>メッセージ:</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>印字可能文字に限定</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>パス:</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>送信オフセット:</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>最小旋回角:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>旋回勾配:</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>最小旋回時間:</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>低速:</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>低速時間隔:</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>高速:</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>高速時間隔:</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>電源スイッチ時間:</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>比較(&amp;C)…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>残り %1 文字</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>%1 文字超過: %2 のテキストを切り詰め</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>%1 文字超過: 両方のテキストを切り詰め</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>存在しません</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>標準出力</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>入力ファイル</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>ユニットファイル</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>表</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>%1 のファイル</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>%1 のバックアップ</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>%1 の</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>ユーザー %1 の</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1: 他のユーザーのリンク (%2) で、root はたどりません</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1: 共有フォルダー内の他のユーザーのリンク (%2) です</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1: 他のユーザーのリンク %2 (%3) を経由しており、root はたどりません</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1: 共有フォルダー内の他のユーザーのリンク %2 (%3) を経由しています</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: フォルダーです</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: フォルダーではありません</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1: 読み取り専用です</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1: ファイルではありません (デバイス、パイプ、またはソケット)</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: 読み取れません: %2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1: 存在しないフォルダーにあります</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1: このフォルダーにはファイルを作成できません: %2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1: すべてのバイトを書き込めませんでした</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1: 書き込めるファイルでもデバイスでもありません</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1: 共有フォルダー内の他のユーザーのファイルです</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1: 他のユーザーまたはグループの所有で、新しいファイルでは保てません</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1: ファイルを保存できる場所を指していないリンクです</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: %2 です</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1: %2 が %3 を置き換えてしまいます</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 は端末で、.wl3 ファイルはバイナリです: リダイレクトするかファイル名を指定してください</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1: 設定ファイルではありません</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1: イメージが %2 バイトで、%3 バイトではありません</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1: ヘッダーの途中で終わっています</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1: イメージ %3 バイト中 %2 バイトで終わっています</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1: デコードできないイメージです</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1: 1 MiB を超えています</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1: ヘッダーの下にトラッカーがありません</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1: %2 行目の CSV が不正です: %3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1: メモリ不足</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>ファイルを開けませんでした</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>データを読み取れませんでした</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>データを書き込めませんでした</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>ファイル形式が不正です</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>設定としては大きすぎるファイルです</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>読み込みに失敗しました</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>不正な JSON: %1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>不正な JSON: %1 バイト目に NUL バイト</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>ドキュメントは JSON オブジェクトでなければなりません</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>不明なキー %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>重複したキー %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 はオブジェクトでなければなりません</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 は符号付き 32 ビットの範囲外です</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 は整数でなければなりません</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 は数値でなければなりません</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 は true か false でなければなりません</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 は文字列でなければなりません</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 が 1 文字を超えています</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 が %2 文字を超えています</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 に U+0000 が含まれています (トラッカーではテキストの終わりになります)</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 に U+00FF を超える文字 %2 が含まれています</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>英数字 6 文字まで、SSID として -0 から -15 を付けられます</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 から %2</translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation>カンマ区切りのアドレス (それぞれ %1)</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1、自動送信間隔に 1 を加えた値まで</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>0 から自動送信間隔に 1 を加えた値まで</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>印字可能な ASCII 1 文字 (! から ~)</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>最大 %1 文字</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>U+0001 から U+00FF までの文字</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Wrenlink3 書き込み</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>トラッカーはこれらの値をそのままでは保持できません:</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1、%2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>COM ポートを取得できませんでした</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState に失敗しました</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState に失敗しました</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts に失敗しました</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>COM ポートへの書き込みに失敗しました</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>COM ポートからの読み取りに失敗しました</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>COM ポートを閉じられませんでした</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1: このマシンにはこの番号のシリアルポートがありません。</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1: このマシンにそのポートはありません (アダプターは接続されていますか?)</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1: %2 (アダプターはまだ接続されていますか?)</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1: 別のプログラムがこのポートを使用しています。</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1: シリアルデバイスではありません。</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>トラッカーのイメージが不完全になっている可能性があります。設定をもう一度書き込んでください。</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1: 列「%2」が 2 回あります</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1: 不明なキー「%2」</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1: ヘッダーは %3 個なのにセルが %2 個あります (カンマを含むテキストは二重引用符で囲みます)</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1: ポート: %2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1: 列「%2」がありません</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>COM ポート番号が不正です</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>COM ポートが不正です</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>COM ポート: 書き込み内容が一致しません</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>Wrenlink3 が見つかりません</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1: バージョン問い合わせへの応答が Wrenlink3 のものではありません。</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1: バージョン問い合わせに応答がありません (トラッカーの電源と接続を確認してください)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>書き込みに失敗しました</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>書き込みに失敗しました (コード %1 %2)</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Wrenlink3 バージョン</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Wrenlink3 読み出し</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>読み出しに失敗しました</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>読み出しに成功しました</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>書き込みに成功しました</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>校正値が書き込まれていません</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>トーンをテストする前に新しい校正値を書き込んでください</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>EE サイズ不正</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>EE サイズ不正 %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>コールサインとデジパスがトラッカーのメモリに収まりません。デジピーターを減らすか、プライマリとセカンダリのコールサインとパスを同じにしてください。</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>ステータスビーコンのテキストを切り詰めました</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>プライマリまたはセカンダリのステータスビーコンのテキストが長すぎるため、切り詰めました。より長いテキストにするには、デジピーターを減らし、プライマリとセカンダリのコールサイン、デジピーター、またはステータステキストを同じにしてください。</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1: JSON 形式の設定ではありません</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>標準出力に書き込めませんでした</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>中断: トラッカーにイメージの一部だけが残らないよう、先に残りを送信します (もう一度 Ctrl-C ですぐに停止)</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>中断: イメージはすべて送信しましたが、検証のための読み返しはしていません。</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>書き込み中に中断: トラッカーのイメージが不完全になっている可能性があります。設定をもう一度書き込んでください。</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>中断されました</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>トラッカーは「wl3 tone stop」まで送信を続けます。</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb: USB シリアルアダプターが接続されていません</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1: ポート %2 が 2 回指定されています (%3: %4)</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1: 複数のトラッカーでは、1 台ずつファイルを置くフォルダー (DIR/) を指定してください</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>2 台のトラッカーのファイルがどちらも %1 になります。ポートを区別してください</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>バックアップを保存しました: %1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>開始できません: スレッドを起動できませんでした (%1)</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2: トラッカーが保持できるのは %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>トラッカーにバージョンを問い合わせ中</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>設定を読み出し中</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>検証のため再度読み出し中</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>設定を書き込み中</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>検証のため読み返し中</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>トーンコマンドを送信中</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>アクセスが拒否されました。デバイスを所有するグループにユーザーを追加し (sudo usermod -aG %1 $USER)、ログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>アクセスが拒否されました。ユーザーはグループ %1 に属していますが、このセッションは追加前に始まりました: ログアウトして再度ログインしてください (または newgrp %1 を実行)。</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>アクセスが拒否されました。このデバイスを開けるのは root だけで、グループでは解決できません: udev ルールでグループを与える必要があります (man wl3 の PERMISSIONS を参照)。</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>アクセスが拒否されました。</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 またはデバイスパスを指定してください (「%2」ではなく)</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>%1 または %2 で終わるファイル名を指定してください (「%3」ではなく)</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 の %2 行目</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1: パイプ (FIFO) です: ファイル名を指定するか、標準出力には「-」を指定してください</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1: 端末でも /dev/null でもないデバイスです: ファイル名を指定してください</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: UTF-16 のテキストですが、ユニットファイルは UTF-8 として読み込まれます: 「CSV UTF-8」で保存してください</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: UTF-8 のテキストではありません (表計算ソフトの「ANSI」や Latin-1 かもしれません): 「CSV UTF-8」で保存してください</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1: このフォルダーにはファイルを作成できません: システムのファイルです</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1: 列がセミコロンで区切られていますが、ユニットファイルはカンマ区切りです: カンマ区切りの CSV で保存してください</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリ不足</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>同時に扱えるトラッカーは最大 %1 台です: 開けるファイル数の上限でこれ以上は扱えません</translation>
    </message>
    <message>
        <source>(none: index %1)</source>
        <translation>(なし: インデックス %1)</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2 (%3 ではない)</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3 (%4 ではない)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>ステータステキストがトラッカーのメモリに収まりません。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>%1 のステータステキスト: %2 文字、うち %3 文字が収まります</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>短くするか、--allow-cut-text を指定して切り詰めたまま書き込んでください。</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>ステータスビーコンのテキストが長すぎます</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>その行が書き込む内容と同じ</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>その行と異なる: %1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>コールサインがありません: すべての送信に自局のコールサインが必要です</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 は送信してはならない仮の値です: 自局のコールサインを設定してください</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 は廃止されており、ネットワークで中継されません: WIDE1-1,WIDE2-1 または WIDE2-2 を使ってください</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 は 2 ホップを超える中継を要求し、ネットワークを混雑させます: WIDE2-2 までにしてください</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>パス全体で %1 ホップを要求しています。2 ホップを超えるとネットワークを混雑させます</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>%1 秒ごとのビーコンはチャンネルを混雑させます: 1 分に 1 回以下を推奨します</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>低速 (%1 MPH) が高速 (%2 MPH) より低くないため、SmartBeaconing は両者を区別できません</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>高速時間隔 (%1 秒) が低速時間隔 (%2 秒) より長いため、移動中のほうがビーコン送信が少なくなります</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>緊急! は受信したすべての局で警報を鳴らします: 本当の緊急時にだけ選んでください</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>同じ設定、保存バイトが 1 個異なる</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>同じ設定、保存バイトが %1 個異なる</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>%1 のステータステキストは「%2」を除いて保存されました</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>%1 が接続されました</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 は %2 になりました</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 が取り外されました</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1: %2 が取り外されました</translation>
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
        <translation>警察署</translation>
    </message>
    <message>
        <source>Digipeater</source>
        <translation>デジピーター</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>DX cluster</source>
        <translation>DX クラスタ</translation>
    </message>
    <message>
        <source>HF gateway</source>
        <translation>HF ゲートウェイ</translation>
    </message>
    <message>
        <source>Small aircraft</source>
        <translation>小型機</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>移動衛星局</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>車椅子</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>スノーモービル</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>赤十字</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>ボーイスカウト</translation>
    </message>
    <message>
        <source>House</source>
        <translation>家</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>赤い点</translation>
    </message>
    <message>
        <source>Circle 0</source>
        <translation>丸 0</translation>
    </message>
    <message>
        <source>Circle 1</source>
        <translation>丸 1</translation>
    </message>
    <message>
        <source>Circle 2</source>
        <translation>丸 2</translation>
    </message>
    <message>
        <source>Circle 3</source>
        <translation>丸 3</translation>
    </message>
    <message>
        <source>Circle 4</source>
        <translation>丸 4</translation>
    </message>
    <message>
        <source>Circle 5</source>
        <translation>丸 5</translation>
    </message>
    <message>
        <source>Circle 6</source>
        <translation>丸 6</translation>
    </message>
    <message>
        <source>Circle 7</source>
        <translation>丸 7</translation>
    </message>
    <message>
        <source>Circle 8</source>
        <translation>丸 8</translation>
    </message>
    <message>
        <source>Circle 9</source>
        <translation>丸 9</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火災</translation>
    </message>
    <message>
        <source>Campground</source>
        <translation>キャンプ場</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>オートバイ</translation>
    </message>
    <message>
        <source>Railway engine</source>
        <translation>機関車</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>ファイルサーバー</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>ハリケーン予報</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>救護所</translation>
    </message>
    <message>
        <source>BBS</source>
        <translation>BBS</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>カヌー</translation>
    </message>
    <message>
        <source>Eyeball (event)</source>
        <translation>目 (イベント)</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>農業車両</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>グリッドロケーター</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>ホテル</translation>
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
        <translation>PC ユーザー</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>NTS 局</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>気球</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>警察</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>キャンピングカー</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>スペースシャトル</translation>
    </message>
    <message>
        <source>SSTV</source>
        <translation>SSTV</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>バス</translation>
    </message>
    <message>
        <source>ATV</source>
        <translation>ATV</translation>
    </message>
    <message>
        <source>Weather service site</source>
        <translation>気象台</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>ヘリコプター</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>ヨット</translation>
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
        <translation>方向探知</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>郵便局</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>大型機</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>気象観測局</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>パラボラアンテナ</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>救急車</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>自転車</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>現地指揮所</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>消防署</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>馬</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>消防車</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>グライダー</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>病院</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>島 (IOTA)</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>ジープ</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>ノート PC</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>MIC-E レピーター</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>ノード</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>災害対策本部</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>犬</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>グリッドロケーター (128 m 超)</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>レピーター</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>モーターボート</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>トラックステーション</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>トレーラー</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>バン</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>給水所</translation>
    </message>
    <message>
        <source>xAPRS</source>
        <translation>xAPRS</translation>
    </message>
    <message>
        <source>Yagi antenna</source>
        <translation>八木アンテナ</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>緊急</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>デジピーター (緑の星)</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>銀行・ATM</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>発電所</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>事故現場</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>曇り</translation>
    </message>
    <message>
        <source>Firenet</source>
        <translation>Firenet</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>教会</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>ガールスカウト</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>家 (HF)</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>あいまいな位置</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>目的地</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>丸 (IRLP, EchoLink, WIRES)</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>ネットワークノード (802.11)</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>ガソリンスタンド</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>公園・ピクニック場</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>気象注意報</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>車両</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>案内所</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>ハリケーン・熱帯低気圧</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>ボックス (DTMF, RFID)</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>沿岸警備隊</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>車庫</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>煙</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>もや</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>にわか雨</translation>
    </message>
    <message>
        <source>Kenwood radio</source>
        <translation>Kenwood 無線機</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>灯台</translation>
    </message>
    <message>
        <source>MARS</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>Navigation buoy</source>
        <translation>航路標識ブイ</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>ロケット・気球</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>駐車場</translation>
    </message>
    <message>
        <source>Earthquake</source>
        <translation>地震</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>レストラン</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>衛星</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>雷雨</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>晴れ</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>VORTAC 航法施設</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>薬局</translation>
    </message>
    <message>
        <source>Radio or device</source>
        <translation>無線機・機器</translation>
    </message>
    <message>
        <source>Wall cloud</source>
        <translation>壁雲</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>航空機</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>気象観測点</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>雨</translation>
    </message>
    <message>
        <source>ARRL, ARES, Winlink</source>
        <translation>ARRL, ARES, Winlink</translation>
    </message>
    <message>
        <source>Civil defence (RACES)</source>
        <translation>民間防衛 (RACES)</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>DX スポット</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>みぞれ</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>ろうと雲</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>強風旗</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>店舗</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>注目地点</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>工事区間</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>特殊車両 (SUV, バギー)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>エリア</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>数値標識</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>小さい丸</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>トイレ</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>船舶</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>竜巻</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>洪水</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>難破船・障害物</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>避難所</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>未割り当て</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1 (オーバーレイ %2)</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <extracomment>The window&apos;s menu of looks; each platform&apos;s own menu holds it (the system menu on Windows, the context menu elsewhere).</extracomment>
        <translation>テーマ(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>ライト(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>ダーク(&amp;D)</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>システムに従う(&amp;S)</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>WrenlinkIIConfig について</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config バージョン %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 Wrenlink3Config authors</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>WrenlinkIIConfig について(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>wl3::ui::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>This Form</source>
        <translation>このフォーム</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>相手の値を採用(&amp;T)</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>相手の値をすべて採用(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n 個の項目が異なります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>違いはありません。</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>%1 を有効化</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM ポート</translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation>COM ポートの変更</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>設定に保存されていない変更があります。</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>先にファイルに保存しますか?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation>テストトーンを停止できませんでした: トラッカーがまだ送信中で、無線機が送信状態の可能性があります。</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>ケーブルと COM ポートを確認して再試行するか、閉じる前に無線機の電源を切ってください。</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>再試行(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>それでも閉じる(&amp;L)</translation>
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
        <translation>1200 Hz と 2200 Hz</translation>
    </message>
    <message>
        <source>Transmitting %1 — Stop Sending ends it</source>
        <extracomment>The notice while a test tone keys the radio: %1 the tone.</extracomment>
        <translation>%1 を送信中 — 「送信停止」で終了</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>フォームをファイルと比較しますか、それとも %1 のトラッカーと比較しますか?</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>ファイル(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>トラッカー(&amp;T)</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>送信中 — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>それでも「緊急!」を MIC-E メッセージとして選びますか?</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>緊急! を選択(&amp;H)</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>ウィンドウを閉じようとしていますが、設定に保存されていない変更があります。</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>ここには数字 0–9 しか入力できません</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>デバイスなし</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation>%v / %m バイト</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolButton</name>
    <message>
        <source>Choose Symbol</source>
        <translation>シンボルを選択</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>表示中のシンボル: %1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>シンボルの選択</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>名前、または 2 文字</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>シンボル</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>検索(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>オーバーレイ(&amp;O):</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1: テーブル %2、シンボル %3</translation>
    </message>
</context>
</TS>
