<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
</TS>
