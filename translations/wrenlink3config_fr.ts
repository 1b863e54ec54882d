<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>Conseil</translation>
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
        <translation>Grisé tant que SmartBeaconing est désactivé : le tracker émet alors ses balises selon le réglage « Intervalle d&apos;émission auto », et les réglages de SmartBeaconing ne sont pas stockés.</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>Grisé tant que SmartBeaconing est activé : le tracker règle alors ses balises sur la vitesse et les virages, avec les intervalles de SmartBeaconing à la place de celui-ci.</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>Grisé tant que « Créneaux temporels » est désactivé : le tracker émet alors chaque fois que son intervalle est écoulé, et le décalage n&apos;est pas stocké.</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>Grisé tant que MIC-E est désactivé : le tracker envoie alors des rapports de position ordinaires, auxquels ce réglage ne s&apos;applique pas.</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>Grisé tant que « Interrupteur d&apos;alimentation » est désactivé : le tracker n&apos;utilise alors pas ce délai.</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>Le tracker utilise l&apos;étalonnage qu&apos;il conserve : écrivez un nouvel étalonnage avant de le tester.</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>L&apos;indicatif de votre station, envoyé dans chaque paquet. Un SSID indique le type de station : -9 est usuel pour une voiture, -7 pour un portatif. NOCALL, la valeur par défaut, ne doit pas être émis.</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Les digipeaters à qui l&apos;on demande de répéter chaque paquet, séparés par des virgules ; vide, l&apos;envoi est direct uniquement. WIDE1-1,WIDE2-1 convient à la plupart des régions. Plus de %1 sauts inondent le réseau, et RELAY, TRACE et WIDE seul sont obsolètes.</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>Le symbole que les cartes affichent pour cette station, pris dans la table ou avec l&apos;overlay à côté. Le bouton à côté d&apos;eux l&apos;affiche et liste tous les symboles.</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 choisit la table de symboles primaire, %2 la table alternative. Un chiffre ou une lettre majuscule choisit la table alternative et s&apos;affiche sur le symbole, si celui-ci accepte un overlay.</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Durée pendant laquelle le tracker passe la radio en émission avant le début des données d&apos;une balise programmée, pour que l&apos;émetteur et les récepteurs soient prêts : trop court, le début du paquet est perdu ; trop long, le canal reste occupé. La valeur est conservée par pas d&apos;environ %1 ms.</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>Le temps entre les balises tant que SmartBeaconing est désactivé ; avec « Créneaux temporels », la durée du cycle qui contient le créneau. Une fois toutes les %1 secondes ou moins souvent est conseillé.</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Comme « Délai TX auto », pour une émission manuelle plutôt qu&apos;une balise programmée. La valeur est conservée par pas d&apos;environ %1 ms.</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>Comme « Intervalle d&apos;émission auto », pour les émissions manuelles : le temps entre elles.</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>Durée pendant laquelle le canal doit avoir été libre, entrée CD inactive, avant que le tracker n&apos;émette, pour qu&apos;il n&apos;émette pas par-dessus une autre station. La valeur est conservée par pas d&apos;environ %1 ms.</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>L&apos;étalonnage des tonalités du tracker, une seule valeur pour les deux profils. Les boutons de « Test de tonalité » émettent les tonalités avec la valeur que conserve le tracker : écrivez une nouvelle valeur avant de la tester.</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>Le texte de la balise d&apos;état, envoyé après un certain nombre d&apos;émissions (Envoyer toutes les). Les indicatifs, chemins et textes des deux profils se partagent la mémoire du tracker : la ligne en dessous indique combien de caractères tiennent encore.</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>Nombre d&apos;émissions d&apos;une balise d&apos;état à la suivante : 3 envoie le texte d&apos;état avec une émission sur trois.</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>Ajoute l&apos;altitude GPS à chaque rapport de position.</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>Fait alterner les chemins digi du tracker d&apos;une émission à l&apos;autre, au lieu d&apos;envoyer chaque paquet avec le « Chemin digi ».</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>N&apos;envoie une position que lorsque le GPS signale un fix valide, pour qu&apos;aucune position périmée ou vide ne parte.</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>Permet au tracker d&apos;accepter des données série aux niveaux logiques TTL, comme les envoient de nombreux modules GPS, en plus des niveaux RS-232.</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>Inverse l&apos;entrée de détection de porteuse venant du squelch de la radio : cochez cette case si le tracker prend un canal libre pour un canal occupé et retient ses balises.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>Ajoute un horodatage à chaque position : jour, heure et minute en UTC (la forme DHM d&apos;APRS, DDHHMMz). Cocher cette case décoche « Horodatage HMS » ; sans l&apos;une ni l&apos;autre, les positions ne portent pas d&apos;heure.</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>Retient les émissions du tracker tant que sa ligne d&apos;entrée PTT est active, pendant que vous parlez par la radio, pour qu&apos;une balise ne coupe jamais votre voix.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>Ajoute un horodatage à chaque position : heure, minute et seconde en UTC (la forme HMS d&apos;APRS, HHMMSSh). Cocher cette case décoche « Horodatage DHM » ; sans l&apos;une ni l&apos;autre, les positions ne portent pas d&apos;heure.</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>Envoie les positions au format MIC-E : compact, en partie porté par l&apos;adresse de destination, avec un message d&apos;état et un code de chemin. Si la case est décochée, le tracker envoie des rapports de position ordinaires.</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>Le statut MIC-E envoyé avec chaque position. Urgence ! déclenche une alarme dans chaque station qui le reçoit : ne le choisissez qu&apos;en cas de réelle urgence.</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>Garde imprimables tous les caractères du paquet MIC-E, pour les digipeaters et les programmes qui rejettent les paquets contenant d&apos;autres caractères.</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Le code de chemin que MIC-E porte dans son adresse de destination : « Conventionnel » envoie le « Chemin digi » ; WIDE-1 à WIDE-7 demandent autant de sauts ; « Nord », « Sud », « Est » et « Ouest » demandent un digipeating directionnel, « + WIDE » en plus un saut WIDE. Plus de %1 sauts inondent le réseau.</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>Émet à un décalage fixe dans chaque cycle du réglage « Intervalle d&apos;émission auto », cadencé par l&apos;horloge GPS, pour que les trackers partageant une fréquence gardent chacun leur propre créneau et n&apos;entrent jamais en collision. Cocher cette case décoche SmartBeaconing.</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>Le moment, dans chaque cycle du réglage « Intervalle d&apos;émission auto », où le tracker émet : donnez à chaque tracker de la fréquence son propre décalage.</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>Règle les balises sur la vitesse et les virages : souvent quand on va vite, rarement quand on va lentement, et aussitôt après un virage, pour qu&apos;une carte trace l&apos;itinéraire avec peu de paquets. Le réglage « Intervalle d&apos;émission auto » n&apos;est alors pas utilisé ; cocher cette case décoche « Créneaux temporels ».</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>Le plus petit changement de cap qui envoie aussitôt une balise à vitesse élevée ; aux vitesses plus basses, « Pente de virage » s&apos;y ajoute.</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>Augmente le virage nécessaire à faible vitesse : une balise part quand le cap change de plus de « Angle de virage min. » + « Pente de virage » ÷ vitesse en MPH, pour que les virages lents en ville n&apos;en envoient pas chacun une.</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>Le temps minimal entre deux balises envoyées pour des virages, pour qu&apos;une route sinueuse n&apos;en envoie pas une toutes les quelques secondes.</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>À cette vitesse ou en dessous, le tracker émet une balise à chaque « Intervalle lent ». Elle doit être inférieure à « Vitesse rapide ».</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>Le temps entre les balises à « Vitesse lente » ou en dessous, à l&apos;arrêt ou à pied.</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>À cette vitesse ou au-dessus, le tracker émet une balise à chaque « Intervalle rapide » ; entre les deux vitesses, le temps entre les balises suit la vitesse.</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>Le temps entre les balises à « Vitesse rapide » ou au-dessus. Il devrait être plus court que « Intervalle lent ».</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>Active la commutation d&apos;alimentation du tracker, temporisée par « Délai de l&apos;interrupteur ».</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>Le délai de la commutation d&apos;alimentation du tracker.</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>Le tracker conserve deux profils complets, chacun avec son indicatif, son chemin, son symbole, son texte, sa temporisation et ses options ; seul l&apos;étalonnage est partagé. Le formulaire montre le profil de l&apos;onglet choisi (Ctrl+Tab pour l&apos;autre) ; Lire, Écrire, Enregistrer et Charger portent toujours sur les deux. Un indicatif et un chemin, ou un texte d&apos;état, identiques à ceux de « Principal » ne sont stockés qu&apos;une fois, ce qui laisse plus de place aux textes d&apos;état.</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>Le port série auquel le tracker est connecté, à 4800 bauds : %1, chacun étant le périphérique de cette machine que nomme l&apos;infobulle de son entrée, ou un périphérique désigné par son chemin.</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>Demande sa version au tracker sur le port COM choisi : une vérification rapide que le câble, le port et le tracker répondent. Ne modifie rien.</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>Lit les deux profils et l&apos;étalonnage du tracker dans le formulaire, deux fois, pour s&apos;assurer que les deux lectures concordent. Demande d&apos;abord confirmation si le formulaire contient des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>Écrit les deux profils et l&apos;étalonnage dans le tracker, puis les relit pour vérifier chaque octet. Le formulaire montre ensuite les valeurs telles que le tracker les conserve, les délais selon ses pas.</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Passe la radio en émission et envoie une tonalité continue de 1200 Hz, la tonalité mark, jusqu&apos;à « Arrêter l&apos;envoi » : pour régler l&apos;excursion ou vérifier l&apos;étalonnage. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Passe la radio en émission et envoie une tonalité continue de 2200 Hz, la tonalité space, jusqu&apos;à « Arrêter l&apos;envoi » : pour régler l&apos;excursion ou vérifier l&apos;étalonnage. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Passe la radio en émission et envoie les deux tonalités, 1200 et 2200 Hz, jusqu&apos;à « Arrêter l&apos;envoi » : pour comparer leurs niveaux sur un récepteur. %1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>Demande au tracker d&apos;arrêter la tonalité de test et de repasser la radio en réception. Fermer la fenêtre arrête aussi une tonalité.</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>Ferme la fenêtre ; demande d&apos;abord confirmation si le formulaire contient des modifications non enregistrées, et arrête une tonalité de test encore en cours.</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>Enregistre les deux profils et l&apos;étalonnage dans un fichier .wl3, tels que le tracker les conserverait.</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>Charge les deux profils et l&apos;étalonnage depuis un fichier .wl3, ou depuis le format JSON de wl3. Demande d&apos;abord confirmation si le formulaire contient des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>Affiche le formulaire à côté d&apos;un fichier ou du tracker, champ par champ, et reprend de l&apos;autre côté les valeurs que vous choisissez. Rien n&apos;est écrit ni enregistré.</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>L&apos;image du symbole que donnent « Symbole » et « Table / Overlay ». Ouvre la liste de tous les symboles avec leur image et leur nom ; celui choisi remplit les deux champs.</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>Le profil « Principal » : le premier des deux jeux complets de réglages du tracker.</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>Le profil « Secondaire » : un second jeu complet de réglages, pour un autre indicatif, un autre chemin ou une autre temporisation.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>Fichiers de configuration Wrenlink3 (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Charger un fichier de configuration</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>Le dossier n&apos;existe pas :
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Enregistrer le fichier de configuration</translation>
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
        <translation>Lire la &amp;version</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Lire la configuration</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>É&amp;crire la configuration</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>Envoyer &amp;1200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>Envoyer &amp;2200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>Envoyer les &amp;deux</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>&amp;Arrêter l&apos;envoi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>C&amp;harger</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Test de tonalité</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Hors service</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>En route</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>En service</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>De retour</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Engagé</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spécial</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritaire</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Urgence !</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Conventionnel</translation>
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
        <translation>Ouest</translation>
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
        <translation>Ouest + WIDE</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporisation</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Balise d&apos;état</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>Réglages MIC-E</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>Créneaux temporels</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>Interrupteur d&apos;alimentation</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Indicatif :</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>Chemin digi :</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbole :</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>Table / Overlay :</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>Délai TX auto :</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation>Intervalle d&apos;émission auto :</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation>Délai TX manuel :</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>Intervalle d&apos;émission manuel :</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>Temps de silence :</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Étalonnage :</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>Envoyer toutes les :</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>émissions</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Envoyer l&apos;altitude</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Chemins digi alternatifs</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Positions valides seulement</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Autoriser la série TTL</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Inverser l&apos;entrée CD</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Horodatage DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>Pas de sortie PTT si entrée PTT</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Horodatage HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message :</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Forcer imprimable</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin :</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>Décalage d&apos;émission :</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>Angle de virage min. :</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>Pente de virage :</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>Temps de virage min. :</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>Vitesse lente :</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>Intervalle lent :</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>Vitesse rapide :</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>Intervalle rapide :</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>Délai de l&apos;interrupteur :</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>Com&amp;parer…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>%1 caractères restants</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>%1 de trop : texte %2 tronqué</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>%1 de trop : les deux textes tronqués</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>n&apos;existe pas</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>l&apos;entrée standard</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>la sortie</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>le fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>le fichier des unités</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>le rapport</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>le tableau</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>le dossier</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>le fichier de %1</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>la sauvegarde de %1</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>de l&apos;utilisateur %1</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1 : est le lien d&apos;un autre utilisateur (%2), que root ne suit pas</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1 : est le lien d&apos;un autre utilisateur (%2) dans un dossier partagé</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1 : passe par %2, le lien d&apos;un autre utilisateur (%3), que root ne suit pas</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1 : passe par %2, le lien d&apos;un autre utilisateur (%3) dans un dossier partagé</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1 : est un dossier</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1 : n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1 : est en lecture seule</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1 : n&apos;est pas un fichier (un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1 : ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1 : est dans un dossier qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1 : aucun fichier ne peut être créé dans ce dossier : %2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1 : tous les octets n&apos;ont pas pu être écrits</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1 : n&apos;est ni un fichier ni un périphérique où écrire</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1 : est le fichier d&apos;un autre utilisateur dans un dossier partagé</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1 : appartient à un autre utilisateur ou groupe, ce qu&apos;un nouveau fichier ne pourrait pas conserver</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1 : est un lien qui ne mène nulle part où enregistrer un fichier</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1 : est %2</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1 : %2 remplacerait %3</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 est un terminal, et un fichier .wl3 est binaire : redirigez-le ou nommez un fichier</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1 : n&apos;est pas un fichier de configuration</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1 : contient une image de %2 octets, et non %3</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1 : se termine dans son en-tête</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1 : se termine après %2 des %3 octets de l&apos;image</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1 : contient une image qui ne peut pas être décodée</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1 : dépasse 1 Mio</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1 : ne contient aucun tracker sous son en-tête</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1 : CSV non valide à la ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1 : mémoire insuffisante</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Échec de l&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Échec de la lecture des données</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Échec de l&apos;écriture des données</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Format de fichier non valide</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>Fichier trop grand pour une configuration</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Échec du chargement</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON non valide : %1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>JSON non valide : un octet NUL à l&apos;octet %1</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>le document doit être un objet JSON</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>clé inconnue %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>clé en double %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 doit être un objet</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 est hors de la plage des entiers signés sur 32 bits</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 doit être un nombre entier</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 doit être un nombre</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 doit être true ou false</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 doit être une chaîne</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 dépasse 1 caractère</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 contient U+0000, qui termine un texte sur le tracker</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 contient %2, un caractère au-delà de U+00FF</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>jusqu&apos;à six lettres ou chiffres, suivis éventuellement de -0 à -15 pour le SSID</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation>des adresses séparées par des virgules, chacune %1</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1, l&apos;intervalle d&apos;émission auto plus un</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>0 à l&apos;intervalle d&apos;émission auto plus un</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>un caractère ASCII imprimable, de ! à ~</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>au plus %1 caractères</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>des caractères de U+0001 à U+00FF</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Écriture Wrenlink3</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>Le tracker ne peut pas conserver ces valeurs telles quelles :</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>Impossible d&apos;acquérir le port COM</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>Échec de GetCommState</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>Échec de SetCommState</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>Échec de SetCommTimeouts</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Échec de l&apos;écriture sur le port COM</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Échec de la lecture sur le port COM</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Échec de la fermeture du port COM</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1 : cette machine n&apos;a pas de port série de ce numéro.</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1 : ce port n&apos;existe pas sur cette machine (l&apos;adaptateur est-il branché ?)</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1 : %2 (l&apos;adaptateur est-il toujours branché ?)</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1 : un autre programme utilise ce port.</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1 : ce n&apos;est pas un périphérique série.</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Le tracker contient peut-être maintenant une image partielle. Écrivez de nouveau la configuration.</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1 : la colonne « %2 » est nommée deux fois</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1 : clé inconnue « %2 »</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1 : %2 cellules là où l&apos;en-tête en a %3 (un texte contenant une virgule se met entre guillemets doubles)</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1 : port : %2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1 : pas de colonne « %2 »</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Numéro de port COM non valide</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Port COM non valide</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Port COM : écriture non conforme</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>Wrenlink3 introuvable</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1 : la réponse à la demande de version ne vient pas d&apos;un Wrenlink3.</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1 : pas de réponse à la demande de version (le tracker est-il allumé et connecté ?)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Échec de l&apos;écriture (code %1 %2)</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Version Wrenlink3</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Lecture Wrenlink3</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Échec de la lecture</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lecture réussie</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Écriture réussie</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Étalonnage non écrit</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>La nouvelle valeur d&apos;étalonnage doit être écrite avant de tester les tonalités</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>Taille EE incorrecte</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>Taille EE incorrecte %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>Les indicatifs et les chemins digi ne tiennent pas dans la mémoire du tracker. Utilisez moins de digipeaters, ou rendez identiques les indicatifs et chemins principaux et secondaires.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Texte de la balise d&apos;état tronqué</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>Le texte principal ou secondaire de la balise d&apos;état est trop long et a été tronqué. Pour un texte plus long, utilisez moins de digipeaters et rendez identiques les indicatifs, digipeaters ou textes d&apos;état principaux et secondaires.</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1 : n&apos;est pas une configuration au format JSON</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>Échec de l&apos;écriture sur la sortie standard</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>Interrompu : envoi d&apos;abord du reste de l&apos;image, pour que le tracker n&apos;en garde pas qu&apos;une partie (un autre Ctrl-C arrête aussitôt)</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>Interrompu : toute l&apos;image a été envoyée, mais pas relue pour la vérifier.</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Interrompu pendant l&apos;écriture : le tracker contient peut-être maintenant une image partielle. Écrivez de nouveau la configuration.</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrompu</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>Le tracker émet jusqu&apos;à « wl3 tone stop ».</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb : aucun adaptateur série USB n&apos;est branché</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1 : le port %2 est nommé deux fois (%3 : %4)</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1 : avec plusieurs trackers, nommez un dossier (DIR/) pour un fichier chacun</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>Les fichiers de deux trackers seraient tous deux %1 ; distinguez leurs ports</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Sauvegarde enregistrée : %1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>Non commencé : aucun thread n&apos;a pu être lancé (%1)</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2 : le tracker conserve %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>Demande de sa version au tracker</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Lecture de la configuration</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>Nouvelle lecture, pour vérifier</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>Écriture de la configuration</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>Relecture, pour vérifier</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>Envoi de la commande de tonalité</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>permission refusée. Ajoutez votre utilisateur au groupe propriétaire du périphérique (sudo usermod -aG %1 $USER), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>permission refusée. Votre utilisateur est dans le groupe %1, mais cette session a commencé avant son ajout : déconnectez-vous et reconnectez-vous (ou lancez newgrp %1).</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>permission refusée. Seul root peut ouvrir ce périphérique, et aucun groupe n&apos;y aide : une règle udev doit lui donner un groupe (voir PERMISSIONS dans man wl3).</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>permission refusée.</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 ou un chemin de périphérique, et non « %2 »</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>un nom de fichier se terminant par %1 ou %2, et non « %3 »</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 ligne %2</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1 : est un tube (FIFO) : nommez un fichier, ou « - » pour la sortie standard</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1 : est un périphérique, ni votre terminal ni /dev/null : nommez un fichier</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1 : est un texte UTF-16, et le fichier des unités est lu en UTF-8 : enregistrez-le en « CSV UTF-8 »</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1 : n&apos;est pas un texte UTF-8 (l&apos;« ANSI » ou le Latin-1 d&apos;un tableur, peut-être) : enregistrez-le en « CSV UTF-8 »</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1 : aucun fichier ne peut être créé dans ce dossier : ses fichiers appartiennent au système</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1 : les colonnes sont séparées par des points-virgules, celles du fichier des unités par des virgules : enregistrez-le en CSV avec des virgules</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>Au plus %1 trackers à la fois : la limite de fichiers ouverts n&apos;en permet pas davantage</translation>
    </message>
    <message>
        <source>(none: index %1)</source>
        <translation>(aucun : index %1)</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2, et non %3</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3, et non %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>Les textes d&apos;état ne tiennent pas dans la mémoire du tracker ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>Texte d&apos;état %1 : %2 caractères, dont %3 tiennent</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>Raccourcissez-les, ou indiquez --allow-cut-text pour les écrire tronqués.</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>Texte de la balise d&apos;état trop long</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>Contient ce que sa ligne écrit</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>Diffère de sa ligne : %1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>pas d&apos;indicatif : chaque émission doit porter le vôtre</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 est un indicatif factice qui ne doit pas être émis : saisissez votre propre indicatif</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 est obsolète et n&apos;est plus pris en charge par les réseaux : utilisez WIDE1-1,WIDE2-1 ou WIDE2-2</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 demande plus de deux sauts et inonde le réseau : utilisez au plus WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>le chemin demande %1 sauts au total ; plus de deux inondent le réseau</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>une balise toutes les %1 secondes encombre le canal : une fois par minute ou moins souvent est conseillé</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>la vitesse lente (%1 MPH) n&apos;est pas inférieure à la vitesse rapide (%2 MPH), donc SmartBeaconing ne peut pas les distinguer</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>l&apos;intervalle rapide (%1 secondes) est plus long que l&apos;intervalle lent (%2 secondes) : en mouvement, le tracker émettrait moins souvent</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>Urgence ! déclenche une alarme dans chaque station qui le reçoit : ne le choisissez qu&apos;en cas de réelle urgence</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>même configuration, 1 octet stocké diffère</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>même configuration, %1 octets stockés diffèrent</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>Texte d&apos;état %1 stocké sans « %2 »</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>%1 a été branché</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 est maintenant %2</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 a été débranché</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1 : %2 a été débranché</translation>
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
        <translation>Poste de police</translation>
    </message>
    <message>
        <source>Digipeater</source>
        <translation>Digipeater</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>DX cluster</source>
        <translation>Cluster DX</translation>
    </message>
    <message>
        <source>HF gateway</source>
        <translation>Passerelle HF</translation>
    </message>
    <message>
        <source>Small aircraft</source>
        <translation>Petit avion</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>Station satellite mobile</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>Fauteuil roulant</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>Motoneige</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>Croix-Rouge</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>Scouts</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>Point rouge</translation>
    </message>
    <message>
        <source>Circle 0</source>
        <translation>Cercle 0</translation>
    </message>
    <message>
        <source>Circle 1</source>
        <translation>Cercle 1</translation>
    </message>
    <message>
        <source>Circle 2</source>
        <translation>Cercle 2</translation>
    </message>
    <message>
        <source>Circle 3</source>
        <translation>Cercle 3</translation>
    </message>
    <message>
        <source>Circle 4</source>
        <translation>Cercle 4</translation>
    </message>
    <message>
        <source>Circle 5</source>
        <translation>Cercle 5</translation>
    </message>
    <message>
        <source>Circle 6</source>
        <translation>Cercle 6</translation>
    </message>
    <message>
        <source>Circle 7</source>
        <translation>Cercle 7</translation>
    </message>
    <message>
        <source>Circle 8</source>
        <translation>Cercle 8</translation>
    </message>
    <message>
        <source>Circle 9</source>
        <translation>Cercle 9</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Incendie</translation>
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
        <translation>Locomotive</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>Serveur de fichiers</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>Prévision d&apos;ouragan</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>Poste de secours</translation>
    </message>
    <message>
        <source>BBS</source>
        <translation>BBS</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Canoë</translation>
    </message>
    <message>
        <source>Eyeball (event)</source>
        <translation>Rencontre (événement)</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>Engin agricole</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>Carré locator</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hôtel</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>School</source>
        <translation>École</translation>
    </message>
    <message>
        <source>PC user</source>
        <translation>Utilisateur PC</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>Station NTS</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>Camping-car</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>Navette spatiale</translation>
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
        <translation>Service météo</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hélicoptère</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Voilier</translation>
    </message>
    <message>
        <source>WinAPRS</source>
        <translation>WinAPRS</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Direction finding</source>
        <translation>Radiogoniométrie</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>Bureau de poste</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>Avion de ligne</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>Station météo</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>Antenne parabolique</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulance</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Vélo</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>Poste de commandement</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>Caserne de pompiers</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cheval</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>Camion de pompiers</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Planeur</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Hôpital</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>Île (IOTA)</translation>
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
        <translation>Ordinateur portable</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>Relais MIC-E</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nœud</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>Centre de crise</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>Carré locator au-dessus de 128 m</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>Bateau à moteur</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>Relais routier</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>Semi-remorque</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>Camionnette</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>Point d&apos;eau</translation>
    </message>
    <message>
        <source>xAPRS</source>
        <translation>xAPRS</translation>
    </message>
    <message>
        <source>Yagi antenna</source>
        <translation>Antenne Yagi</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Urgence</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>Digipeater, étoile verte</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>Banque ou distributeur</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>Centrale électrique</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>Lieu d&apos;un crash</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuageux</translation>
    </message>
    <message>
        <source>Firenet</source>
        <translation>Firenet</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Église</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>Guides</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>Maison, HF</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>Position imprécise</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>Waypoint de destination</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>Cercle (IRLP, EchoLink, WIRES)</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>Nœud réseau (802.11)</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>Station-service</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>Parc ou aire de pique-nique</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>Avis météo</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Véhicule</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>Point d&apos;information</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>Ouragan ou tempête tropicale</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>Boîtier (DTMF, RFID)</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>Garde-côtes</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Fumée</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Brume sèche</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>Averse</translation>
    </message>
    <message>
        <source>Kenwood radio</source>
        <translation>Radio Kenwood</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Phare</translation>
    </message>
    <message>
        <source>MARS</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>Navigation buoy</source>
        <translation>Bouée de navigation</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>Fusée ou ballon</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>Earthquake</source>
        <translation>Séisme</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>Restaurant</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Orage</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Ensoleillé</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>Balise VORTAC</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Pharmacie</translation>
    </message>
    <message>
        <source>Radio or device</source>
        <translation>Radio ou appareil</translation>
    </message>
    <message>
        <source>Wall cloud</source>
        <translation>Nuage-mur</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>Site météo</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pluie</translation>
    </message>
    <message>
        <source>ARRL, ARES, Winlink</source>
        <translation>ARRL, ARES, Winlink</translation>
    </message>
    <message>
        <source>Civil defence (RACES)</source>
        <translation>Protection civile (RACES)</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>Spot DX</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Grésil</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>Nuage en entonnoir</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>Drapeaux de coup de vent</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Magasin</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>Point d&apos;intérêt</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>Zone de travaux</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>Véhicule spécial (SUV, quad)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>Panneau indicateur</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>Petit cercle</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>Toilettes</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>Navire ou bateau</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornade</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>Inondation</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>Épave ou obstacle</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>Abri</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>non attribué</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1 avec overlay %2</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <extracomment>The window&apos;s menu of looks; each platform&apos;s own menu holds it (the system menu on Windows, the context menu elsewhere).</extracomment>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Clair</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Sombre</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>Comme le &amp;système</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>À propos de WrenlinkIIConfig</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config version %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 les auteurs de Wrenlink3Config</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>À &amp;propos de WrenlinkIIConfig...</translation>
    </message>
</context>
<context>
    <name>wl3::ui::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>This Form</source>
        <translation>Ce formulaire</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>&amp;Prendre la leur</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>Prendre &amp;toutes les leurs</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n champ diffère.</numerusform>
            <numerusform>%n champs diffèrent.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>Rien ne diffère.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>Activer %1</translation>
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
        <translation>Changement de port COM</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>La configuration contient des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>Les enregistrer d&apos;abord dans un fichier ?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation>La tonalité de test n&apos;a pas pu être arrêtée : le tracker l&apos;envoie peut-être encore, et la radio est peut-être en émission.</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>Vérifiez le câble et le port COM, puis réessayez, ou éteignez la radio avant de fermer.</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>&amp;Fermer quand même</translation>
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
        <translation>1200 et 2200 Hz</translation>
    </message>
    <message>
        <source>Transmitting %1 — Stop Sending ends it</source>
        <extracomment>The notice while a test tone keys the radio: %1 the tone.</extracomment>
        <translation>Émission %1 — « Arrêter l&apos;envoi » y met fin</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>Comparer le formulaire avec un fichier, ou avec le tracker sur %1 ?</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Fichier…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Tracker</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>Émission — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>Choisir quand même Urgence ! comme message MIC-E ?</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>&amp;Choisir Urgence !</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>La fenêtre va se fermer, et la configuration contient des modifications non enregistrées.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>Seuls les chiffres 0–9 peuvent être saisis ici</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>aucun périphérique</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation>%v sur %m octets</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolButton</name>
    <message>
        <source>Choose Symbol</source>
        <translation>Choisir le symbole</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>Symbole affiché : %1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>Choisir un symbole</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>Un nom, ou les deux caractères</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>&amp;Overlay :</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1 : table %2, symbole %3</translation>
    </message>
</context>
</TS>
