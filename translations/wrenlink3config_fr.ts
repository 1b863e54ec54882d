<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>config1</source>
        <extracomment>The name Save proposes for a new file, before .wl3.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Read &amp;Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Committed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the input file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the units file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpeedHint</name>
    <message>
        <source>≈ %1 km/h</source>
        <extracomment>Beside a speed field in MPH: the same speed in km/h, rounded.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
