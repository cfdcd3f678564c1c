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
    <name>velmora::GameNarration</name>
    <message>
        <source>You score %1, total %2.</source>
        <translation>Du bekommst %1, zusammen %2.</translation>
    </message>
    <message>
        <source>Opponent scores %1, total %2.</source>
        <translation>Der Gegner bekommt %1, zusammen %2.</translation>
    </message>
    <message>
        <source>Remote player says: %1</source>
        <translation>Der entfernte Spieler sagt: %1</translation>
    </message>
    <message>
        <source>Nine columns by nine rows: arrow keys, Home and End move, Space or Enter places your mark, S says the score and whose turn it is</source>
        <translation>Neun Spalten mal neun Zeilen: Pfeiltasten, Pos1 und Ende bewegen, Leertaste oder Eingabe setzt deine Marke, S sagt den Stand und wer am Zug ist</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Neues Spiel.</translation>
    </message>
    <message>
        <source>Yours: column %1, row %2.</source>
        <translation>Deins: Spalte %1, Zeile %2.</translation>
    </message>
    <message>
        <source>Opponent: column %1, row %2.</source>
        <translation>Gegner: Spalte %1, Zeile %2.</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Du bist dran.</translation>
    </message>
    <message>
        <source>The remote player has joined.</source>
        <translation>Der entfernte Spieler ist da.</translation>
    </message>
    <message>
        <source>The remote player has gone.</source>
        <translation>Der entfernte Spieler ist gegangen.</translation>
    </message>
    <message>
        <source>You win, %1 to %2.</source>
        <translation>Du gewinnst, %1 zu %2.</translation>
    </message>
    <message>
        <source>You lose, %1 to %2.</source>
        <translation>Du verlierst, %1 zu %2.</translation>
    </message>
    <message>
        <source>Level game, %1 to %2.</source>
        <translation>Gleichstand, %1 zu %2.</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Das Feld ist besetzt.</translation>
    </message>
    <message>
        <source>Wait: your move is being drawn.</source>
        <translation>Warte: dein Zug wird noch gezeichnet.</translation>
    </message>
    <message>
        <source>Wait: the opponent is moving.</source>
        <translation>Warte: der Gegner zieht.</translation>
    </message>
    <message>
        <source>Taken back.</source>
        <translation>Zurückgenommen.</translation>
    </message>
    <message>
        <source>You have %1, the opponent %2.</source>
        <translation>Du hast %1, der Gegner %2.</translation>
    </message>
    <message>
        <source>The opponent&apos;s turn.</source>
        <translation>Der Gegner ist dran.</translation>
    </message>
</context>
<context>
    <name>velmora::HowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Das Spiel</translation>
    </message>
    <message>
        <source>Two players take turns on a board of 9 by 9 cells; a turn fills one empty cell. When all 81 cells are filled, the larger total of marks wins.</source>
        <translation>Zwei Spieler ziehen abwechselnd auf einem Brett von 9 mal 9 Feldern; ein Zug füllt ein leeres Feld. Sind alle 81 Felder gefüllt, gewinnt die größere Summe der Punkte.</translation>
    </message>
    <message>
        <source>A run of 3: the move that fills the third cell in a row earns 3 marks, and the run is drawn as a line. Two cells are no run yet.</source>
        <translation>Eine Reihe aus 3: Der Zug, der das dritte Feld einer Reihe füllt, bringt 3 Punkte, und die Reihe wird als Linie gezeichnet. Zwei Felder sind noch keine Reihe.</translation>
    </message>
    <message>
        <source>A run of 6: a row or column of 6 filled cells earns 6 marks, one of 9 earns 9. Runs of other lengths earn nothing.</source>
        <translation>Eine Reihe aus 6: Eine Zeile oder Spalte aus 6 gefüllten Feldern bringt 6 Punkte, eine aus 9 bringt 9. Reihen anderer Länge bringen nichts.</translation>
    </message>
    <message>
        <source>The extra move: whoever completes a run moves again. Here the row was completed first; the extra move then completed the column and earned a third move.</source>
        <translation>Der Extrazug: Wer eine Reihe vollendet, zieht noch einmal. Hier wurde zuerst die Zeile vollendet; der Extrazug vollendete dann die Spalte und brachte einen dritten Zug.</translation>
    </message>
    <message>
        <source>Cells belong to no one: a run counts every filled cell, whoever filled it, and its marks go to the player who completes it. Your marks and the opponent&apos;s older ones are blue; the opponent&apos;s newest mark is red.</source>
        <translation>Felder gehören niemandem: Eine Reihe zählt jedes gefüllte Feld, wer es auch gefüllt hat, und ihre Punkte bekommt, wer sie vollendet. Deine Zeichen und die älteren des Gegners sind blau; das neueste Zeichen des Gegners ist rot.</translation>
    </message>
    <message>
        <source>The computer</source>
        <translation>Der Computer</translation>
    </message>
    <message>
        <source>Game, Computer chooses how well the computer plays, from its next move on. Easy misses runs and gives them away. Normal, the strength at every start, takes a run when it can and otherwise avoids giving one away. Strong knows when to give runs away. Expert also plays the last thirty or so empty cells perfectly.</source>
        <translation>Spiel, Computer wählt, wie gut der Computer spielt, ab seinem nächsten Zug. Leicht übersieht Reihen und verschenkt sie. Normal, die Stärke bei jedem Start, nimmt eine Reihe, wenn es kann, und vermeidet sonst, eine zu verschenken. Stark weiß, wann Reihen zu verschenken sind. Experte spielt außerdem die letzten etwa dreißig leeren Felder fehlerlos.</translation>
    </message>
    <message>
        <source>Hint and Undo</source>
        <translation>Tipp und Rückgängig</translation>
    </message>
    <message>
        <source>Hint (Ctrl+H) outlines for two seconds the cell Expert would fill for you, and moves the board&apos;s focus there. Undo (Ctrl+Z) takes back your last move and what the computer played after it, again and again back to the start. Both work only against the computer.</source>
        <translation>Tipp (Strg+H) umrandet zwei Sekunden lang das Feld, das Experte für dich füllen würde, und setzt den Fokus des Bretts dorthin. Rückgängig (Strg+Z) nimmt deinen letzten Zug zurück und was der Computer danach gespielt hat, immer wieder bis zum Anfang. Beides geht nur gegen den Computer.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>On the board the arrow keys, Home and End move the focus cell, and Space or Enter fills it. S says both totals and whose turn it is. Ctrl+P passes, Ctrl+N starts a new game, Tab moves between the controls, and F1 opens this window.</source>
        <translation>Auf dem Brett bewegen die Pfeiltasten, Pos1 und Ende das Fokusfeld, Leertaste oder Eingabe füllt es. S sagt beide Summen und wer am Zug ist. Strg+P passt, Strg+N beginnt ein neues Spiel, Tab wechselt zwischen den Bedienelementen, und F1 öffnet dieses Fenster.</translation>
    </message>
    <message>
        <source>Remote play</source>
        <translation>Fernspiel</translation>
    </message>
    <message>
        <source>Remote, Connect (Ctrl+C) calls another copy of Velmora by its address.
The other copy answers while it is listening for calls; its player moves first.
The chat line below the board talks to the other player; if the connection ends, the computer plays on.</source>
        <translation>Netzwerk, Verbinden (Strg+C) ruft eine andere Kopie von Velmora über ihre Adresse an.
Die andere Kopie nimmt an, solange sie auf Anrufe wartet; ihr Spieler zieht zuerst.
Mit der Nachrichtenzeile unter dem Brett sprichst du mit dem anderen Spieler; endet die Verbindung, spielt der Computer weiter.</translation>
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
    <message>
        <source>Hint: column %1, row %2</source>
        <translation>Tipp: Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
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
