<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
</context>
<context>
    <name>AccessibleCell</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>deins</translation>
    </message>
    <message>
        <source>opponent&apos;s</source>
        <translation>des Gegners</translation>
    </message>
    <message>
        <source>column %1, row %2, %3</source>
        <translation>Spalte %1, Zeile %2, %3</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About me</source>
        <translation>Über mich</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If any comment, please feel free  E-Mail to me</source>
        <translation>Für Anmerkungen schreib mir gern eine E-Mail</translation>
    </message>
    <message>
        <source>Thanks for use this program</source>
        <translation>Danke, dass du dieses Programm nutzt</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>The product emblem</source>
        <translation>Das Emblem des Spiels</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Schreibt dem Autor eine E-Mail</translation>
    </message>
    <message>
        <source>Opens the author&apos;s web site</source>
        <translation>Öffnet die Webseite des Autors</translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>Hey!!! .... You Got Marks Already !!!</source>
        <translation>Hey!!! .... Du hast doch schon Punkte bekommen!!!</translation>
    </message>
    <message>
        <source>When selected Fast-Mode, you would hard to watch how Opponent getting marks</source>
        <translation>Im Schnellmodus kannst du kaum mitverfolgen, wie der Gegner Punkte bekommt</translation>
    </message>
    <message>
        <source>Are you sure change to Fast-Mode ?</source>
        <translation>Schnellmodus wirklich einschalten?</translation>
    </message>
    <message>
        <source>Fast Mode</source>
        <translation>Schnellmodus</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Du:</translation>
    </message>
    <message>
        <source>Your Marks</source>
        <translation>Deine Punkte</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Opponent Marks</source>
        <translation>Punkte des Gegners</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Reset the Games</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Toggle the Remote Connection</source>
        <translation>Die Verbindung zum Gegner herstellen oder trennen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Dein Zug</translation>
    </message>
    <message>
        <source>Games Message</source>
        <translation>Meldung des Spiels</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passen</translation>
    </message>
    <message>
        <source>Let Computer play One step</source>
        <translation>Den Computer einen Zug spielen lassen</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Über mich</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Send Message to Remote</source>
        <translation>Eine Nachricht an den Gegner senden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Remote</source>
        <translation>Netz&amp;werk</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Listening Call</source>
        <translation>Auf Anrufe warten</translation>
    </message>
    <message>
        <source>Change Port Number</source>
        <translation>Portnummer ändern</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>Lokale IP-Adresse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Input Remote IP Address   ( Format: 123.45.678.9 )</source>
        <translation>IP-Adresse des Gegners eingeben   ( Format: 123.45.678.9 )</translation>
    </message>
    <message>
        <source>Remote IP</source>
        <translation>IP des Gegners</translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>A player at %1 is calling. Start a new game with them?</source>
        <translation>Ein Spieler unter %1 ruft an. Ein neues Spiel mit ihm beginnen?</translation>
    </message>
    <message>
        <source>Remote Play</source>
        <translation>Fernspiel</translation>
    </message>
    <message>
        <source>Port Busy, Wait a moment than call again</source>
        <translation>Port belegt, warte einen Moment und rufe dann noch einmal an</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Geöffnet</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Empfangsbereit</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Anruf wartet</translation>
    </message>
    <message>
        <source>Resolving</source>
        <translation>Sucht Adresse</translation>
    </message>
    <message>
        <source>Resolved</source>
        <translation>Adresse gefunden</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbindet</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Peer is closing</source>
        <translation>Gegner trennt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Input New Port-Number ( 1-65530 )</source>
        <translation>Neue Portnummer eingeben ( 1-65530 )</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Your Local IP Address is</source>
        <translation>Deine lokale IP-Adresse ist</translation>
    </message>
    <message>
        <source>Port Number is   </source>
        <translation>Die Portnummer ist   </translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message numerus="yes">
        <source>Your award: %n marks</source>
        <translation>
            <numerusform>Deine Wertung: %n Punkt</numerusform>
            <numerusform>Deine Wertung: %n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opponent&apos;s award: %n marks</source>
        <translation>
            <numerusform>Wertung des Gegners: %n Punkt</numerusform>
            <numerusform>Wertung des Gegners: %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Opponent&apos;s move: column %1, row %2</source>
        <translation>Zug des Gegners: Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Your total</source>
        <translation>Deine Summe</translation>
    </message>
    <message>
        <source>Opponent&apos;s total</source>
        <translation>Summe des Gegners</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Messages received</source>
        <translation>Empfangene Nachrichten</translation>
    </message>
    <message>
        <source>Message lamp</source>
        <translation>Nachrichtenlampe</translation>
    </message>
    <message>
        <source>You WIN !!!</source>
        <translation>Gewonnen!!!</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Gleichstand</translation>
    </message>
    <message>
        <source>Nine columns by nine rows: arrow keys, Home and End move, Space or Enter places your mark</source>
        <translation>Neun Spalten mal neun Zeilen: Pfeiltasten, Pos1 und Ende bewegen, Leertaste oder Eingabe setzt deine Marke</translation>
    </message>
    <message>
        <source>The marks of each of your awards</source>
        <translation>Die Punkte jeder deiner Wertungen</translation>
    </message>
    <message>
        <source>The marks of each of the opponent&apos;s awards</source>
        <translation>Die Punkte jeder Wertung des Gegners</translation>
    </message>
    <message>
        <source>Opens the about box</source>
        <translation>Öffnet das Info-Fenster</translation>
    </message>
    <message>
        <source>The messages of this connection</source>
        <translation>Die Nachrichten dieser Verbindung</translation>
    </message>
    <message>
        <source>Lights when a message arrives</source>
        <translation>Leuchtet, wenn eine Nachricht ankommt</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>Das Spiel ist aus</translation>
    </message>
    <message>
        <source>Wait ......</source>
        <translation>Warte ......</translation>
    </message>
    <message>
        <source>Remote:</source>
        <translation>Gegner:</translation>
    </message>
</context>
<context>
    <name>velmora::SplashScreen</name>
    <message>
        <source>Version  </source>
        <translation>Version  </translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>Das Logo des Herstellers</translation>
    </message>
    <message>
        <source>The product emblem</source>
        <translation>Das Emblem des Spiels</translation>
    </message>
    <message>
        <source>Logo animation</source>
        <translation>Logo-Animation</translation>
    </message>
    <message>
        <source>Click to go on to the game</source>
        <translation>Klicken, um zum Spiel zu gelangen</translation>
    </message>
</context>
<context>
    <name>velmora::WinSock</name>
    <message>
        <source>Connection is forcefully rejected</source>
        <translation>Die Verbindung wurde abgelehnt</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Rechner nicht gefunden</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Netzwerk nicht erreichbar</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Address in use</source>
        <translation>Adresse wird schon verwendet</translation>
    </message>
    <message>
        <source>Connection is aborted due to timeout or other failure</source>
        <translation>Die Verbindung wurde wegen Zeitüberschreitung oder eines anderen Fehlers abgebrochen</translation>
    </message>
</context>
</TS>
