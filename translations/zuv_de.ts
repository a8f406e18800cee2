<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>ZUV is a research project that needs you!
The diffusion of the national Euro-coins can be studied,
if enough nice people all over Europe spend 1-2 minutes per week
or month with feeding their purses into this program.

All the data is sent to a server over the Internet, then analyzed
and the analysis is published again as soon as possible.

! Please only input coins from your actual daily purse not from your coin collection!
! Soon I will program a version for coin collectors, but for now please only input &apos;free floating coins&apos;!

Client-Version %1 (%2)
Copyright (C) 2002 the ZUV research project. All rights reserved.
You may copy and pass on this program unchanged and free of charge.

For technical support, sponsor offers or news alerts,
see  %3
</source>
        <translation>ZUV ist ein Forschungsprojekt, das Sie braucht!
Wie sich die nationalen Euromünzen verbreiten, lässt sich erforschen,
wenn genug nette Leute in ganz Europa pro Woche oder Monat
1–2 Minuten opfern, um ihre Geldbörse in dieses Programm einzugeben.

Alle Daten gehen über das Internet an einen Server, werden dort ausgewertet,
und die Auswertung wird so bald wie möglich veröffentlicht.

! Bitte geben Sie nur Münzen aus Ihrer täglichen Geldbörse ein, nicht aus Ihrer Münzsammlung!
! Bald schreibe ich eine Version für Münzsammler, aber bis dahin bitte nur Münzen aus dem Umlauf!

Programmversion %1 (%2)
Copyright (C) 2002 das ZUV-Forschungsprojekt. Alle Rechte vorbehalten.
Sie dürfen dieses Programm unverändert und kostenlos kopieren und weitergeben.

Hilfe bei technischen Fragen, Sponsorenangebote und Neuigkeiten
finden Sie unter %3
</translation>
    </message>
</context>
<context>
    <name>Client</name>
    <message>
        <source>ZUV client (%1) for data transfer to server</source>
        <translation>ZUV-Programm (%1) für die Übertragung an den Server</translation>
    </message>
    <message>
        <source>&amp;Open Connection</source>
        <translation>Verbindung &amp;öffnen</translation>
    </message>
    <message>
        <source>Clear &amp;Window</source>
        <translation>Fenster &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>switch to single operation steps (for BETA only)</source>
        <translation>in einzelne Arbeitsschritte wechseln (nur für die BETA)</translation>
    </message>
    <message>
        <source>This is for testing the beta version</source>
        <translation>Dies dient zum Testen der Beta-Version</translation>
    </message>
    <message>
        <source>Set &amp;Server Address</source>
        <translation>&amp;Serveradresse festlegen</translation>
    </message>
    <message>
        <source>Send &amp;Data</source>
        <translation>&amp;Daten senden</translation>
    </message>
    <message>
        <source>Send &amp;Faulty Format</source>
        <translation>&amp;Fehlerhaftes Format senden</translation>
    </message>
    <message>
        <source>Send &amp;Too Much</source>
        <translation>&amp;Zu viel senden</translation>
    </message>
    <message>
        <source>Send Old &amp;Version</source>
        <translation>Alte &amp;Version senden</translation>
    </message>
    <message>
        <source>Send &amp;Too New Version</source>
        <translation>Zu &amp;neue Version senden</translation>
    </message>
    <message>
        <source>&amp;Close Connection</source>
        <translation>Verbindung &amp;schließen</translation>
    </message>
    <message>
        <source>ZUV net error %1</source>
        <translation>ZUV-Netzwerkfehler %1</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Noch einmal versuchen</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Jetzt beenden</translation>
    </message>
    <message>
        <source>Socket error number %1 occurred</source>
        <translation>Socket-Fehler Nummer %1 ist aufgetreten</translation>
    </message>
    <message>
        <source>Server changed to  %1:%2 </source>
        <translation>Server geändert auf  %1:%2 </translation>
    </message>
    <message>
        <source>Client had to close the connection %1 for reason %2</source>
        <translation>Das Programm musste die Verbindung %1 schließen, Grund: %2</translation>
    </message>
    <message>
        <source>
%1 very proudly presents:
The CLIENT %2 of ZUV v%3 - Please connect to the Server now.
</source>
        <translation>
%1 präsentiert voller Stolz:
Das Programm %2 von ZUV v%3 – Bitte verbinden Sie sich jetzt mit dem Server.
</translation>
    </message>
    <message>
        <source>Trying to connect to the server...</source>
        <translation>Verbindung zum Server wird aufgebaut...</translation>
    </message>
    <message>
        <source>starting to send to server...</source>
        <translation>Senden an den Server beginnt...</translation>
    </message>
    <message>
        <source>transmission not successful!</source>
        <translation>Übertragung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Hostname found in DNS...</source>
        <translation>Servername im DNS gefunden...</translation>
    </message>
    <message>
        <source>Host not found in DNS.</source>
        <translation>Server im DNS nicht gefunden.</translation>
    </message>
    <message>
        <source>Please check Internet connection and try again.</source>
        <translation>Bitte prüfen Sie die Internetverbindung und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Connected to server</source>
        <translation>Mit dem Server verbunden</translation>
    </message>
    <message>
        <source>Server cannot be reached at the moment.</source>
        <translation>Der Server ist im Moment nicht erreichbar.</translation>
    </message>
    <message>
        <source>Please check your Internet connection and try again (later).</source>
        <translation>Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es (später) noch einmal.</translation>
    </message>
    <message>
        <source>Connection closed by the server. Malfunction, please try again (later).</source>
        <translation>Der Server hat die Verbindung geschlossen. Eine Störung – bitte versuchen Sie es (später) noch einmal.</translation>
    </message>
    <message>
        <source>Connection closed properly</source>
        <translation>Verbindung ordnungsgemäß geschlossen</translation>
    </message>
    <message>
        <source>receiving from server...</source>
        <translation>Empfang vom Server...</translation>
    </message>
    <message>
        <source>all data arrived from server</source>
        <translation>alle Daten vom Server angekommen</translation>
    </message>
    <message>
        <source>Don&apos;t know. Please send an idea to %1</source>
        <translation>Unbekannt. Bitte schicken Sie eine Idee an %1</translation>
    </message>
    <message>
        <source>A problem occurred:
 (%1) %2
Suggested solution:
 %3</source>
        <translation>Ein Problem ist aufgetreten:
 (%1) %2
Lösungsvorschlag:
 %3</translation>
    </message>
    <message>
        <source>Some problem occurred during connection</source>
        <translation>Bei der Verbindung ist ein Problem aufgetreten</translation>
    </message>
    <message>
        <source>

Because server answered:
</source>
        <translation>

Denn der Server antwortete:
</translation>
    </message>
    <message>
        <source>Don&apos;t know</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Communication with Server failed</source>
        <translation>Verständigung mit dem Server fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Coin</name>
    <message>
        <source>1c</source>
        <translation>1 Ct</translation>
    </message>
    <message>
        <source>2c</source>
        <translation>2 Ct</translation>
    </message>
    <message>
        <source>5c</source>
        <translation>5 Ct</translation>
    </message>
    <message>
        <source>10c</source>
        <translation>10 Ct</translation>
    </message>
    <message>
        <source>20c</source>
        <translation>20 Ct</translation>
    </message>
    <message>
        <source>50c</source>
        <translation>50 Ct</translation>
    </message>
    <message>
        <source>1e</source>
        <translation>1 €</translation>
    </message>
    <message>
        <source>2e</source>
        <translation>2 €</translation>
    </message>
</context>
<context>
    <name>CountTable</name>
    <message>
        <source>These coins are in your purse</source>
        <translation>Das steckt in Ihrer Geldbörse</translation>
    </message>
    <message>
        <source>RESET
this table to 0</source>
        <translation>ZURÜCKSETZEN
diese Tabelle auf 0</translation>
    </message>
    <message>
        <source>Euro Coins</source>
        <translation>Euromünzen</translation>
    </message>
    <message>
        <source>Please type in positive NUMBERS only!
The field will be set to 0 now.</source>
        <translation>Bitte geben Sie nur positive ZAHLEN ein!
Das Feld wird jetzt auf 0 gesetzt.</translation>
    </message>
    <message>
        <source> %1 Euro </source>
        <translation> %1 Euro </translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Common Side</source>
        <translation>Gemeinsame Seite</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Griechenland</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Luxemburg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>San Marino</source>
        <translation>San Marino</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Vatican</source>
        <translation>Vatikan</translation>
    </message>
    <message>
        <source>Other European Country</source>
        <translation>Anderes europäisches Land</translation>
    </message>
    <message>
        <source>North Africa</source>
        <translation>Nordafrika</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Südafrika</translation>
    </message>
    <message>
        <source>West Asia</source>
        <translation>Westasien</translation>
    </message>
    <message>
        <source>East Asia</source>
        <translation>Ostasien</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pazifik</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Südamerika</translation>
    </message>
    <message>
        <source>Arctis</source>
        <translation>Arktis</translation>
    </message>
    <message>
        <source>Antarctis</source>
        <translation>Antarktis</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send ZUV invitations to your friends</source>
        <translation>ZUV-Einladungen an Ihre Freunde schicken</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the settings.</source>
        <translation>Gut, ich gebe mir Mühe.
Zurück zu den Einstellungen.</translation>
    </message>
    <message>
        <source>No, discard my settings changes.</source>
        <translation>Nein, meine Änderungen verwerfen.</translation>
    </message>
    <message>
        <source>Before you can upload your data, you are asked 
to fill in some information about you.

</source>
        <translation>Bevor Sie Ihre Daten hochladen können, 
bitten wir Sie um einige Angaben zu Ihrer Person.

</translation>
    </message>
    <message>
        <source>Your ZUV Settings are not complete!

</source>
        <translation>Ihre ZUV-Einstellungen sind unvollständig!

</translation>
    </message>
    <message>
        <source>Please fill in where you are!
The Euro diffusion depends on the location.
</source>
        <translation>Bitte geben Sie an, wo Sie sind!
Wie sich der Euro verbreitet, hängt vom Ort ab.
</translation>
    </message>
    <message>
        <source>This program is part of a scientific research project.
</source>
        <translation>Dieses Programm gehört zu einem wissenschaftlichen Forschungsprojekt.
</translation>
    </message>
    <message>
        <source>Please fill in necessary information</source>
        <translation>Bitte ergänzen Sie die nötigen Angaben</translation>
    </message>
    <message>
        <source>ZUV Settings not complete</source>
        <translation>ZUV-Einstellungen unvollständig</translation>
    </message>
    <message>
        <source>OK, I do</source>
        <translation>Ja, mache ich</translation>
    </message>
    <message>
        <source>No, I don&apos;t</source>
        <translation>Nein, lieber nicht</translation>
    </message>
    <message>
        <source>Participation endangered</source>
        <translation>Teilnahme gefährdet</translation>
    </message>
    <message>
        <source>Then the program would be terminated now
loosing your data...!</source>
        <translation>Dann würde das Programm jetzt beendet,
und Ihre Daten gingen verloren ...!</translation>
    </message>
    <message>
        <source>OK, I want to participate</source>
        <translation>Ja, ich möchte teilnehmen</translation>
    </message>
    <message>
        <source>Quit, I don&apos;t participate</source>
        <translation>Beenden, ich nehme nicht teil</translation>
    </message>
    <message>
        <source>Your membership in the ZUV-project</source>
        <translation>Ihre Mitgliedschaft im ZUV-Projekt</translation>
    </message>
    <message>
        <source> &amp;Country, City</source>
        <translation> &amp;Land, Stadt</translation>
    </message>
    <message>
        <source>Please name your Country and City</source>
        <translation>Bitte nennen Sie Ihr Land und Ihre Stadt</translation>
    </message>
    <message>
        <source> Postal &amp;Code</source>
        <translation> Post&amp;leitzahl</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits).</source>
        <translation>Die Postleitzahl Ihres Ortes (mindestens 2 Ziffern).</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Gespeicherte Daten
ignorieren.</translation>
    </message>
    <message>
        <source>Quit now
(loosing new data of today!)</source>
        <translation>Jetzt beenden
(die neuen Daten von heute gehen verloren!)</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please try again</source>
        <translation>Gut, ich gebe mir Mühe.
Noch einmal versuchen</translation>
    </message>
    <message>
        <source>No, quit anyway. I don&apos;t need an archive.</source>
        <translation>Nein, trotzdem beenden. Ich brauche kein Archiv.</translation>
    </message>
    <message>
        <source>ZUV says thank you</source>
        <translation>ZUV sagt Danke</translation>
    </message>
    <message>
        <source>Thanks a lot.</source>
        <translation>Vielen Dank.</translation>
    </message>
    <message>
        <source>Your data has been saved to %1.</source>
        <translation>Ihre Daten wurden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>
See you next time...</source>
        <translation>
Bis zum nächsten Mal ...</translation>
    </message>
    <message>
        <source>Today featuring ...</source>
        <translation>Heute im Mittelpunkt ...</translation>
    </message>
    <message>
        <source>To ensure data quality, you are asked to sign §1 of the contract</source>
        <translation>Damit die Daten verlässlich sind, bitten wir Sie, §1 des Vertrags zu unterschreiben</translation>
    </message>
    <message>
        <source>If you don&apos;t sign paragraph §1 of the contract,
you can&apos;t participate in this project, sorry.
</source>
        <translation>Wenn Sie §1 des Vertrags nicht unterschreiben,
können Sie an diesem Projekt leider nicht teilnehmen.
</translation>
    </message>
    <message>
        <source>
Optional:
You could enable us to optimize this and other programs
by research on ergonomics. Therefore, it would be very nice,
if you allowed us to log the usage by also signing paragraph §2.</source>
        <translation>
Freiwillig:
Sie könnten uns helfen, dieses und andere Programme
durch Ergonomie-Forschung zu verbessern. Deshalb würden wir uns sehr freuen,
wenn Sie uns mit Ihrer Unterschrift unter §2 erlauben, die Nutzung aufzuzeichnen.</translation>
    </message>
    <message>
        <source>About (ZUV) Zuvanta!</source>
        <translation>Über (ZUV) Zuvanta!</translation>
    </message>
    <message>
        <source>WWW:
Project Homepage</source>
        <translation>WWW:
Projekt-Homepage</translation>
    </message>
    <message>
        <source>WWW:
Download new version</source>
        <translation>WWW:
neue Version laden</translation>
    </message>
    <message>
        <source>ZUV cannot save your settings</source>
        <translation>ZUV kann Ihre Einstellungen nicht speichern</translation>
    </message>
    <message>
        <source>ZUV: archive file error</source>
        <translation>ZUV: Fehler in der Archivdatei</translation>
    </message>
    <message>
        <source>ZUV cannot save your archive</source>
        <translation>ZUV kann Ihr Archiv nicht speichern</translation>
    </message>
    <message>
        <source>The connection window cannot be opened:
%1</source>
        <translation>Das Verbindungsfenster lässt sich nicht öffnen:
%1</translation>
    </message>
</context>
<context>
    <name>ErrorHelp</name>
    <message>
        <source>Delete your datafile and restart ZUV.</source>
        <translation>Löschen Sie Ihre Datendatei und starten Sie ZUV neu.</translation>
    </message>
    <message>
        <source>It is important that you notify the author of his server malfunction!</source>
        <translation>Bitte melden Sie dem Autor unbedingt, dass sein Server nicht richtig funktioniert!</translation>
    </message>
    <message>
        <source>Use newer programversion! %1</source>
        <translation>Verwenden Sie eine neuere Programmversion! %1</translation>
    </message>
    <message>
        <source>No problem. We just start from scratch.</source>
        <translation>Kein Problem. Wir fangen einfach von vorn an.</translation>
    </message>
    <message>
        <source>The checksum of the data file/stream is incorrect! Can have many reasons - all fatal!</source>
        <translation>Die Prüfsumme der Datei bzw. der Übertragung stimmt nicht! Das kann viele Gründe haben – alle fatal!</translation>
    </message>
    <message>
        <source>Download a newer programversion %1</source>
        <translation>Laden Sie eine neuere Programmversion herunter: %1</translation>
    </message>
    <message>
        <source>Perhaps try again later.</source>
        <translation>Versuchen Sie es vielleicht später noch einmal.</translation>
    </message>
    <message>
        <source>Doesn&apos;t seem to be a ZUV server on the other side. Misuse? Please tell the author!</source>
        <translation>Auf der anderen Seite scheint kein ZUV-Server zu sein. Missbrauch? Bitte sagen Sie es dem Autor!</translation>
    </message>
    <message>
        <source>Try later when the net traffic is not so busy.</source>
        <translation>Versuchen Sie es später, wenn im Netz weniger los ist.</translation>
    </message>
    <message>
        <source>Please download a new version from %1</source>
        <translation>Bitte laden Sie eine neue Version herunter: %1</translation>
    </message>
    <message>
        <source>A bug. Please contact the author.</source>
        <translation>Ein Programmfehler. Bitte wenden Sie sich an den Autor.</translation>
    </message>
    <message>
        <source>Your datafile is probably write-protected. Remove that.</source>
        <translation>Ihre Datendatei ist wahrscheinlich schreibgeschützt. Heben Sie den Schreibschutz auf.</translation>
    </message>
    <message>
        <source>Very strange - please tell the author!</source>
        <translation>Sehr seltsam – bitte sagen Sie es dem Autor!</translation>
    </message>
    <message>
        <source>Try again tomorrow (best), contact the author (good) or delete your datafile (not so good)</source>
        <translation>Versuchen Sie es morgen noch einmal (am besten), wenden Sie sich an den Autor (gut) oder löschen Sie Ihre Datendatei (nicht so gut)</translation>
    </message>
    <message>
        <source>No working Internet connection on your side. Fix it . OR: No server running. Nothing you can do now. Please try again later. </source>
        <translation>Bei Ihnen gibt es keine funktionierende Internetverbindung. Bringen Sie sie in Ordnung. ODER: Der Server läuft nicht. Dann können Sie jetzt nichts tun. Bitte versuchen Sie es später noch einmal. </translation>
    </message>
    <message>
        <source>Not a problem at all. Your data has been uploaded successfully!</source>
        <translation>Überhaupt kein Problem. Ihre Daten wurden erfolgreich hochgeladen!</translation>
    </message>
    <message>
        <source>Probably best idea to get a newer programversion or describe the problem to the author.</source>
        <translation>Am besten holen Sie sich eine neuere Programmversion oder beschreiben dem Autor das Problem.</translation>
    </message>
    <message>
        <source>Please try again later or contact the author.</source>
        <translation>Bitte versuchen Sie es später noch einmal oder wenden Sie sich an den Autor.</translation>
    </message>
    <message>
        <source>Your client doesn&apos;t understand the server anymore. New version from %1 !</source>
        <translation>Ihr Programm versteht den Server nicht mehr. Eine neue Version gibt es unter %1!</translation>
    </message>
    <message>
        <source>

Please write a short message
with a description of this problem
to %1</source>
        <translation>

Bitte schreiben Sie eine kurze Nachricht
mit einer Beschreibung des Problems
an %1</translation>
    </message>
    <message>
        <source>
Possible solution:
</source>
        <translation>
Mögliche Lösung:
</translation>
    </message>
</context>
<context>
    <name>FatalError</name>
    <message>
        <source>ZUV fatal logical error</source>
        <translation>ZUV: schwerer Logikfehler</translation>
    </message>
    <message>
        <source>ZUV fatal file error</source>
        <translation>ZUV: schwerer Dateifehler</translation>
    </message>
    <message>
        <source>ZUV fatal network error</source>
        <translation>ZUV: schwerer Netzwerkfehler</translation>
    </message>
    <message>
        <source>ZUV fatal stream error</source>
        <translation>ZUV: schwerer Datenstromfehler</translation>
    </message>
    <message>
        <source>ZUV fatal error</source>
        <translation>ZUV: schwerer Fehler</translation>
    </message>
    <message>
        <source>ZUV unknown error</source>
        <translation>ZUV: unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Invitations</name>
    <message>
        <source>Invite by zuvmail to join the project and to mention 
YOUR membernumber as their recommender.
</source>
        <translation>Laden Sie per Zuvmail zum Mitmachen ein, mit der Bitte, 
IHRE Mitgliedsnummer als Empfehlung anzugeben.
</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>Münze</translation>
    </message>
    <message>
        <source>&amp;insert</source>
        <translation>&amp;einfügen</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>hochgeladen</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>entfernen</translation>
    </message>
    <message>
        <source>Send your favourite coin
in the zuvmail postcard:</source>
        <translation>Schicken Sie Ihre Lieblingsmünze
auf der Zuvmail-Postkarte:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This is not a valid
%1</source>
        <translation>Das ist keine gültige
%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;
is not a valid
%2</source>
        <translation>„%1“
ist keine gültige
%2</translation>
    </message>
    <message>
        <source>first click the to
be deleted person</source>
        <translation>zuerst die Person anklicken,
die gelöscht werden soll</translation>
    </message>
    <message>
        <source>Sorry, that invitation
was already uploaded.</source>
        <translation>Diese Einladung wurde
leider schon hochgeladen.</translation>
    </message>
</context>
<context>
    <name>ProjectResultsView</name>
    <message>
        <source>You guessed %1.</source>
        <translation>Ihr Tipp: %1.</translation>
    </message>
    <message>
        <source>You guessed 2011-2020.</source>
        <translation>Ihr Tipp: 2011–2020.</translation>
    </message>
    <message>
        <source>You guessed 2021 or later.</source>
        <translation>Ihr Tipp: 2021 oder später.</translation>
    </message>
    <message>
        <source>You guessed never.</source>
        <translation>Ihr Tipp: nie.</translation>
    </message>
    <message>
        <source>You have not guessed yet (&quot;Your settings&quot;).</source>
        <translation>Sie haben noch keinen Tipp abgegeben („Ihre Einstellungen“).</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Noch einmal versuchen</translation>
    </message>
    <message>
        <source>The project&apos;s results cannot be downloaded from %1: %2.
The project server may be out of reach just now; try again in a while.</source>
        <translation>Die Ergebnisse des Projekts lassen sich nicht von %1 laden: %2.
Der Projektserver ist vielleicht gerade nicht erreichbar; versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>Loading the project&apos;s results from %1 ...</source>
        <translation>Die Ergebnisse des Projekts werden von %1 geladen ...</translation>
    </message>
    <message>
        <source>The answer from %1 cannot be read as the project&apos;s results (%2).</source>
        <translation>Die Antwort von %1 lässt sich nicht als Ergebnisse des Projekts lesen (%2).</translation>
    </message>
    <message>
        <source>%1 members have counted %2 purses so far; published: %3 coins worth %4 Euro.</source>
        <translation>%1 Mitglieder haben bisher %2 Geldbörsen gezählt; veröffentlicht: %3 Münzen im Wert von %4 Euro.</translation>
    </message>
    <message>
        <source>Published on %1, once a day.</source>
        <translation>Veröffentlicht am %1, einmal am Tag.</translation>
    </message>
    <message>
        <source>%1 Nothing published: a number is published only where at least %2 members counted coins, so that no participant can be recognised.</source>
        <translation>%1 Nichts veröffentlicht: Eine Zahl wird nur veröffentlicht, wo mindestens %2 Mitglieder Münzen gezählt haben, damit niemand erkannt werden kann.</translation>
    </message>
    <message>
        <source>Foreign share by month</source>
        <translation>Anteil fremder Münzen nach Monat</translation>
    </message>
    <message>
        <source>Foreign share by month: nothing published yet</source>
        <translation>Anteil fremder Münzen nach Monat: noch nichts veröffentlicht</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>fremde Münzen</translation>
    </message>
    <message>
        <source>your guess</source>
        <translation>Ihr Tipp</translation>
    </message>
    <message>
        <source>90% interval</source>
        <translation>90-%-Intervall</translation>
    </message>
    <message>
        <source>model for %1</source>
        <translation>Modell für %1</translation>
    </message>
    <message>
        <source>All euro countries</source>
        <translation>Alle Euroländer</translation>
    </message>
    <message>
        <source>No forecast of the mixing is published for your member country.</source>
        <translation>Für Ihr Mitgliedsland ist keine Vorhersage der Durchmischung veröffentlicht.</translation>
    </message>
    <message>
        <source>%1: not enough countings yet for a forecast of the mixing (%2).</source>
        <translation>%1: noch zu wenige Zählungen für eine Vorhersage der Durchmischung (%2).</translation>
    </message>
    <message>
        <source>half the coins foreign in %1</source>
        <translation>die Hälfte der Münzen fremd: %1</translation>
    </message>
    <message>
        <source>half-way mixed in %1</source>
        <translation>halb durchmischt: %1</translation>
    </message>
    <message>
        <source>%1: %2; mixed completely in %3.</source>
        <translation>%1: %2; ganz durchmischt: %3.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (fewer than %2)</source>
        <translation>%1 (weniger als %2)</translation>
    </message>
    <message>
        <source>Our members&apos; guesses: %1</source>
        <translation>Die Tipps unserer Mitglieder: %1</translation>
    </message>
    <message>
        <source>; the countings say %1.</source>
        <translation>; die Zählungen sagen %1.</translation>
    </message>
    <message>
        <source>Where the coins come from: nothing published yet</source>
        <translation>Woher die Münzen kommen: noch nichts veröffentlicht</translation>
    </message>
    <message>
        <source>Where the coins in %1 come from: %2 not published</source>
        <translation>Woher die Münzen in %1 kommen: %2 nicht veröffentlicht</translation>
    </message>
    <message>
        <source>Where the %1 coins in %2 come from</source>
        <translation>Woher die %1 Münzen in %2 kommen</translation>
    </message>
    <message>
        <source>share of the coins</source>
        <translation>Anteil an den Münzen</translation>
    </message>
    <message>
        <source>Foreign share by coin value</source>
        <translation>Anteil fremder Münzen nach Münzwert</translation>
    </message>
    <message>
        <source>(The share of foreign coins once mixed is taken from the coins produced: %1, %2.)</source>
        <translation>(Der Anteil fremder Münzen nach vollständiger Durchmischung ergibt sich aus den geprägten Münzen: %1, %2.)</translation>
    </message>
</context>
<context>
    <name>PurseResultsView</name>
    <message>
        <source>%1 countings: %2 coins worth %3 Euro, with %4 of the %5 national sides.</source>
        <translation>%1 Zählungen: %2 Münzen im Wert von %3 Euro, mit %4 der %5 nationalen Seiten.</translation>
    </message>
    <message>
        <source>Foreign national sides: %1 of %2 coins (%3 %).</source>
        <translation>Fremde nationale Seiten: %1 von %2 Münzen (%3 %).</translation>
    </message>
    <message>
        <source>The foreign share needs a euro country as your member country (see &quot;Your settings&quot;), so only the counts are shown.</source>
        <translation>Für den Anteil fremder Münzen muss Ihr Mitgliedsland ein Euroland sein (siehe „Ihre Einstellungen“); deshalb werden nur die Zahlen gezeigt.</translation>
    </message>
    <message>
        <source>National side</source>
        <translation>Nationale Seite</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>Zuerst gesehen</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Your countings</source>
        <translation>Ihre Zählungen</translation>
    </message>
    <message>
        <source>coins counted</source>
        <translation>gezählte Münzen</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>fremde Münzen</translation>
    </message>
    <message>
        <source>foreign share</source>
        <translation>Anteil fremder Münzen</translation>
    </message>
    <message>
        <source>1 cent</source>
        <translation>1 Cent</translation>
    </message>
    <message>
        <source>2 cent</source>
        <translation>2 Cent</translation>
    </message>
    <message>
        <source>5 cent</source>
        <translation>5 Cent</translation>
    </message>
    <message>
        <source>10 cent</source>
        <translation>10 Cent</translation>
    </message>
    <message>
        <source>20 cent</source>
        <translation>20 Cent</translation>
    </message>
    <message>
        <source>50 cent</source>
        <translation>50 Cent</translation>
    </message>
    <message>
        <source>1 euro</source>
        <translation>1 Euro</translation>
    </message>
    <message>
        <source>2 euro</source>
        <translation>2 Euro</translation>
    </message>
    <message>
        <source>the %1 of %2</source>
        <translation>%1 aus %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Of the %1 national coins (%2 values x %3 national sides) you have seen %4.</source>
        <translation>Von den %1 nationalen Münzen (%2 Werte × %3 nationale Seiten) haben Sie %4 gesehen.</translation>
    </message>
    <message>
        <source>You have seen them all!</source>
        <translation>Sie haben alle gesehen!</translation>
    </message>
    <message>
        <source>At your %1 coins a month, with the coins as the members in %2 meet them, </source>
        <translation>Bei Ihren %1 Münzen im Monat und einer Mischung, wie sie die Mitglieder in %2 antreffen, </translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: the rarest, %1, turn up too seldom there.</source>
        <translation>werden Sie praktisch nie alle gesehen haben: Die seltensten, %1, tauchen dort zu selten auf.</translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: %1 are not among the coins published there.</source>
        <translation>werden Sie praktisch nie alle gesehen haben: %1 sind nicht unter den dort veröffentlichten Münzen.</translation>
    </message>
    <message>
        <source>you will have seen all of them in %1 (90%: %2 to %3). The rarest you still need: %4.</source>
        <translation>werden Sie alle gesehen haben: %1 (90 %: %2 bis %3). Die seltensten, die Ihnen noch fehlen: %4.</translation>
    </message>
    <message>
        <source>more than %1 years</source>
        <translation>mehr als %1 Jahre</translation>
    </message>
    <message>
        <source>Your archive %1 cannot be read (%2), so the countings you have uploaded are missing here. The file is left as it is.</source>
        <translation>Ihr Archiv %1 lässt sich nicht lesen (%2), deshalb fehlen hier die Zählungen, die Sie hochgeladen haben. Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>You have not counted a purse yet. Empty your purse, put each coin into the grid of the main window with &quot;Insert&quot; and press &quot;Save purse and QUIT&quot;: your countings then show here.</source>
        <translation>Sie haben noch keine Geldbörse gezählt. Leeren Sie Ihre Geldbörse, tragen Sie jede Münze mit „Einfügen“ in das Raster des Hauptfensters ein und drücken Sie „Geldbörse speichern und BEENDEN“: Dann erscheinen Ihre Zählungen hier.</translation>
    </message>
    <message>
        <source>When you will have seen every coin follows once the project&apos;s results are read.</source>
        <translation>Wann Sie jede Münze gesehen haben werden, steht hier, sobald die Ergebnisse des Projekts gelesen sind.</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren ...</translation>
    </message>
    <message>
        <source>When you will have seen every coin needs the mix of coins the project publishes for your member country, and there is none.</source>
        <translation>Wann Sie jede Münze gesehen haben werden, braucht die Münzmischung, die das Projekt für Ihr Mitgliedsland veröffentlicht, und die gibt es nicht.</translation>
    </message>
    <message>
        <source>Export your countings</source>
        <translation>Ihre Zählungen exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Your countings are saved in %1.</source>
        <translation>Ihre Zählungen sind in %1 gespeichert.</translation>
    </message>
    <message>
        <source>ZUV cannot export your countings</source>
        <translation>ZUV kann Ihre Zählungen nicht exportieren</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).

Please choose another folder or name.</source>
        <translation>Die Datei %1 lässt sich nicht schreiben (%2).

Bitte wählen Sie einen anderen Ordner oder Namen.</translation>
    </message>
</context>
<context>
    <name>RecommenderNumbersDialog</name>
    <message>
        <source>Recommenders&apos; membernumbers</source>
        <translation>Mitgliedsnummern der Empfehlenden</translation>
    </message>
    <message>
        <source>Type in the membernumbers of those people who recommended this programm to you. Then later I can show you how far your influence has spread over Europe.</source>
        <translation>Geben Sie die Mitgliedsnummern der Leute ein, die Ihnen dieses Programm empfohlen haben. Dann kann ich Ihnen später zeigen, wie weit sich Ihr Einfluss über Europa verbreitet hat.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Wrong Membernumber Format</source>
        <translation>Falsches Format der Mitgliedsnummer</translation>
    </message>
    <message>
        <source>For the recommenders&apos; membernumbers &quot;%1&quot; is a wrong entry.
They have to be (comma-separated) NUMBERs.</source>
        <translation>Bei den Mitgliedsnummern der Empfehlenden ist „%1“ ein falscher Eintrag.
Es müssen (durch Kommas getrennte) ZAHLEN sein.</translation>
    </message>
    <message>
        <source> is no number.</source>
        <translation> ist keine Zahl.</translation>
    </message>
    <message>
        <source>click the to be deleted first</source>
        <translation>wählen Sie zuerst den Eintrag, der gelöscht werden soll</translation>
    </message>
</context>
<context>
    <name>ResultsDownload</name>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>die Antwort ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>keine Antwort innerhalb von %1 Sekunden</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>%1 cent</source>
        <translation>%1 Cent</translation>
    </message>
    <message>
        <source>%1 euro</source>
        <translation>%1 Euro</translation>
    </message>
    <message>
        <source>nothing published there (no coins, or fewer than %1 members counted them)</source>
        <translation>hier ist nichts veröffentlicht (keine Münzen, oder weniger als %1 Mitglieder haben sie gezählt)</translation>
    </message>
    <message>
        <source>Hatched: %1</source>
        <translation>Schraffiert: %1</translation>
    </message>
    <message>
        <source>%1, the model: %2 of the coins foreign once mixed completely</source>
        <translation>%1, das Modell: %2 der Münzen fremd nach vollständiger Durchmischung</translation>
    </message>
    <message>
        <source>%1, %2: %3 of %4 coins foreign</source>
        <translation>%1, %2: %3 von %4 Münzen fremd</translation>
    </message>
    <message>
        <source>Where the coins in each member country come from</source>
        <translation>Woher die Münzen in jedem Mitgliedsland kommen</translation>
    </message>
    <message>
        <source>%1, coins of %2: not published (none, or fewer than %3 members counted them)</source>
        <translation>%1, Münzen aus %2: nicht veröffentlicht (keine, oder weniger als %3 Mitglieder haben sie gezählt)</translation>
    </message>
    <message>
        <source>%1, coins of %2: %3 (%4 of %5 coins)</source>
        <translation>%1, Münzen aus %2: %3 (%4 von %5 Münzen)</translation>
    </message>
    <message>
        <source>Share of foreign coins by coin value</source>
        <translation>Anteil fremder Münzen nach Münzwert</translation>
    </message>
    <message>
        <source>%1: %2 of %3 coins foreign</source>
        <translation>%1: %2 von %3 Münzen fremd</translation>
    </message>
    <message>
        <source>%1: not published (none, or fewer than %2 members counted it)</source>
        <translation>%1: nicht veröffentlicht (keine, oder weniger als %2 Mitglieder haben ihn gezählt)</translation>
    </message>
    <message>
        <source>%1 Euro</source>
        <translation>%1 Euro</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;lead&quot;&gt;In %1, &lt;b&gt;%2&lt;/b&gt; of the coins our members counted in the euro countries had a national side from another country than their own.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;lead&quot;&gt;Im %1 hatten &lt;b&gt;%2&lt;/b&gt; der Münzen, die unsere Mitglieder in den Euroländern gezählt haben, eine nationale Seite aus einem anderen Land als ihrem eigenen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;note&quot;&gt;Nothing that at least %1 members %2 counted in one month is published yet, so no share can be shown.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;note&quot;&gt;Noch ist nichts veröffentlicht, was mindestens %1 Mitglieder %2 in einem Monat gezählt haben; deshalb lässt sich kein Anteil zeigen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>not in sight (%1 or later)</source>
        <translation>nicht absehbar (%1 oder später)</translation>
    </message>
    <message>
        <source>not in sight</source>
        <translation>nicht absehbar</translation>
    </message>
    <message>
        <source> or later</source>
        <translation> oder später</translation>
    </message>
    <message>
        <source>%1: not enough countings yet (%2)</source>
        <translation>%1: noch zu wenige Zählungen (%2)</translation>
    </message>
    <message>
        <source>half the coins foreign in %1; </source>
        <translation>die Hälfte der Münzen fremd: %1; </translation>
    </message>
    <message>
        <source>mixed completely in %1</source>
        <translation>ganz durchmischt: %1</translation>
    </message>
    <message>
        <source>When our members guess the coins are mixed completely</source>
        <translation>Wann unsere Mitglieder die Münzen für ganz durchmischt halten</translation>
    </message>
    <message>
        <source>the countings</source>
        <translation>die Zählungen</translation>
    </message>
    <message>
        <source>%1: %2 members</source>
        <translation>%1: %2 Mitglieder</translation>
    </message>
    <message>
        <source>%1: fewer than %2 members</source>
        <translation>%1: weniger als %2 Mitglieder</translation>
    </message>
    <message>
        <source>fewer than %1 members guessed so</source>
        <translation>weniger als %1 Mitglieder haben so getippt</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;When will the coins be mixed completely?&lt;/h2&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Wann sind die Münzen ganz durchmischt?&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Our members guessed most often &lt;b&gt;%1&lt;/b&gt; (%2 members).</source>
        <translation>&lt;p&gt;Unsere Mitglieder tippten am häufigsten auf &lt;b&gt;%1&lt;/b&gt; (%2 Mitglieder).</translation>
    </message>
    <message>
        <source>&lt;p&gt;Too few of our members guessed yet.</source>
        <translation>&lt;p&gt;Bisher haben zu wenige unserer Mitglieder getippt.</translation>
    </message>
    <message>
        <source> The countings cannot tell yet: no member country has enough of them for the model.&lt;/p&gt;</source>
        <translation> Die Zählungen können es noch nicht sagen: Kein Mitgliedsland hat genug davon für das Modell.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> The countings say &lt;b&gt;%1&lt;/b&gt;: the forecast of %2, the median of the %3 member countries the model fits</source>
        <translation> Die Zählungen sagen &lt;b&gt;%1&lt;/b&gt;: die Vorhersage für %2, den Median der %3 Mitgliedsländer, an die das Modell angepasst ist</translation>
    </message>
    <message>
        <source>, which range from %1 to %2.&lt;/p&gt;</source>
        <translation>; sie reichen von %1 bis %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by month&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of coins whose national side is from another country than the member&apos;s own, among the members in the fifteen countries that issue euro coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Fremde Münzen nach Monat&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Der Anteil der Münzen, deren nationale Seite aus einem anderen Land stammt als dem des Mitglieds, bei den Mitgliedern in den fünfzehn Ländern, die Euromünzen ausgeben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Share of foreign coins by month, all member countries</source>
        <translation>Anteil fremder Münzen nach Monat, alle Mitgliedsländer</translation>
    </message>
    <message>
        <source>All member countries</source>
        <translation>Alle Mitgliedsländer</translation>
    </message>
    <message>
        <source>in the euro countries</source>
        <translation>in den Euroländern</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Each member country&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;Coloured: the country; grey: all member countries.</source>
        <translation>&lt;h3&gt;Jedes Mitgliedsland&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;Farbig: das Land; grau: alle Mitgliedsländer.</translation>
    </message>
    <message>
        <source> For %1, a is not fitted but taken from the coins produced (%2).</source>
        <translation> Für %1 ist a nicht angepasst, sondern aus den geprägten Münzen übernommen (%2).</translation>
    </message>
    <message>
        <source>Share of foreign coins by month in %1</source>
        <translation>Anteil fremder Münzen nach Monat in %1</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Where the euro coins in our purses come from&lt;/h1&gt;&lt;p&gt;The members of the ZUV project empty their purse now and then and count its coins by the country of each coin&apos;s national side. These are all their countings together, as the project server has them now.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Woher die Euromünzen in unseren Geldbörsen kommen&lt;/h1&gt;&lt;p&gt;Die Mitglieder des ZUV-Projekts leeren ab und zu ihre Geldbörse und zählen die Münzen nach dem Land der nationalen Seite jeder Münze. Hier stehen alle ihre Zählungen zusammen, so wie der Projektserver sie jetzt hat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>purses counted</source>
        <translation>gezählte Geldbörsen</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>in value</source>
        <translation>Gesamtwert</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;No coins yet&lt;/h2&gt;&lt;p&gt;Nobody in the fifteen euro coin countries has uploaded a counted purse yet. The charts appear here with the first uploads.&lt;/p&gt;&lt;/section&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Noch keine Münzen&lt;/h2&gt;&lt;p&gt;In den fünfzehn Ländern mit eigenen Euromünzen hat noch niemand eine gezählte Geldbörse hochgeladen. Die Diagramme erscheinen hier mit den ersten Uploads.&lt;/p&gt;&lt;/section&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Where the coins in each member country come from&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Each row is a member country, each column a national side: the share of the country&apos;s coins that carry it. Outlined: the country&apos;s own coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Woher die Münzen in jedem Mitgliedsland kommen&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Jede Zeile ist ein Mitgliedsland, jede Spalte eine nationale Seite: der Anteil der Münzen des Landes, die sie tragen. Umrandet: die eigenen Münzen des Landes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by coin value&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of foreign national sides among the coins of each value.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Fremde Münzen nach Münzwert&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Der Anteil fremder nationaler Seiten an den Münzen jedes Werts.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;footer&gt;&lt;p&gt;Published once a day. Every number is a sum of cells (a month, a member country, a national side, a coin value) that at least %1 members counted coins in, and a cell changes only once at least %1 members changed it: no participant can be recognised, not even by comparing numbers or days. Hatched: nothing published there. Nothing that names or locates a member is published: no member numbers, postal codes, e-mail addresses, names or messages.&lt;/p&gt;</source>
        <translation>&lt;footer&gt;&lt;p&gt;Einmal am Tag veröffentlicht. Jede Zahl ist eine Summe von Feldern (ein Monat, ein Mitgliedsland, eine nationale Seite, ein Münzwert), in denen mindestens %1 Mitglieder Münzen gezählt haben, und ein Feld ändert sich erst, wenn mindestens %1 Mitglieder es verändert haben: So kann niemand erkannt werden, auch nicht durch den Vergleich von Zahlen oder Tagen. Schraffiert: hier ist nichts veröffentlicht. Nichts, was ein Mitglied benennt oder verortet, wird veröffentlicht: keine Mitgliedsnummern, Postleitzahlen, E-Mail-Adressen, Namen oder Nachrichten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published on %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Veröffentlicht am %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nothing has been published yet.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Bisher ist nichts veröffentlicht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The numbers behind the charts: &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Open data for researchers: &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV: coins and purses per month, member country, national side and coin value).&lt;/p&gt;&lt;/footer&gt;</source>
        <translation>&lt;p&gt;Die Zahlen hinter den Diagrammen: &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Offene Daten für die Forschung: &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV: Münzen und Geldbörsen nach Monat, Mitgliedsland, nationaler Seite und Münzwert).&lt;/p&gt;&lt;/footer&gt;</translation>
    </message>
    <message>
        <source>ZUV: the project&apos;s results</source>
        <translation>ZUV: die Ergebnisse des Projekts</translation>
    </message>
    <message>
        <source> Orange: the model fitted to the country&apos;s countings, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) for the share of foreign coins t years after the euro coins came out, a the share once they are mixed completely, b the pace; dashed where it foretells. The band lies between the curves of both ends of the 90% intervals of a and b. Mixed completely: when the share reaches 90% of a. The charts end in 2100.</source>
        <translation> Orange: das an die Zählungen des Landes angepasste Modell, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) für den Anteil fremder Münzen t Jahre nach der Ausgabe der Euromünzen, wobei a der Anteil nach vollständiger Durchmischung ist und b das Tempo; gestrichelt, wo es vorhersagt. Das Band liegt zwischen den Kurven beider Enden der 90-%-Intervalle von a und b. Ganz durchmischt: wenn der Anteil 90 % von a erreicht. Die Diagramme enden 2100.</translation>
    </message>
    <message>
        <source>2011-2020</source>
        <translation>2011–2020</translation>
    </message>
    <message>
        <source>2021 or later</source>
        <translation>2021 oder später</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>fewer than %1 members (%2)</source>
        <translation>weniger als %1 Mitglieder (%2)</translation>
    </message>
    <message>
        <source>less than a year of countings (%1 months)</source>
        <translation>Zählungen aus weniger als einem Jahr (%1 Monate)</translation>
    </message>
    <message>
        <source>the countings do not yet tell the speed of mixing (the forecast&apos;s interval is wider than its time)</source>
        <translation>die Zählungen verraten noch nicht, wie schnell sich die Münzen mischen (die Spanne der Vorhersage ist größer als ihre Zeit)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>ZUV: the results</source>
        <translation>ZUV: die Ergebnisse</translation>
    </message>
    <message>
        <source>The project</source>
        <translation>Das Projekt</translation>
    </message>
    <message>
        <source>Your purse</source>
        <translation>Ihre Geldbörse</translation>
    </message>
</context>
<context>
    <name>ServerAnswer</name>
    <message>
        <source>Some error in Processing Answer - OK flag was not set.</source>
        <translation>Fehler beim Verarbeiten der Antwort – das OK-Kennzeichen war nicht gesetzt.</translation>
    </message>
    <message>
        <source>This can have many reasons. Perhaps, your member number is wrong</source>
        <translation>Das kann viele Gründe haben. Vielleicht ist Ihre Mitgliedsnummer falsch</translation>
    </message>
    <message>
        <source>- or there&apos;s some server maintenance going on!</source>
        <translation>– oder am Server wird gerade gewartet!</translation>
    </message>
    <message>
        <source>I suggest that you try to upload again later or tomorrow, </source>
        <translation>Versuchen Sie das Hochladen am besten später oder morgen noch einmal; </translation>
    </message>
    <message>
        <source>if the problem persists, please contact the author</source>
        <translation>wenn das Problem bleibt, wenden Sie sich bitte an den Autor</translation>
    </message>
    <message>
        <source>or backup and delete your datafile &apos;%1&apos;</source>
        <translation>oder sichern und löschen Sie Ihre Datendatei „%1“</translation>
    </message>
    <message>
        <source>The Server says: &apos;Thanks, member %1&apos;</source>
        <translation>Der Server sagt: „Danke, Mitglied %1“</translation>
    </message>
    <message>
        <source>A personal message for you, member %1:</source>
        <translation>Eine persönliche Nachricht für Sie, Mitglied %1:</translation>
    </message>
    <message>
        <source>Minor update successful.</source>
        <translation>Kleine Aktualisierung erfolgreich.</translation>
    </message>
    <message>
        <source>Your programversion is %1, there is a new version %2 out now.</source>
        <translation>Ihre Programmversion ist %1, jetzt gibt es die neue Version %2.</translation>
    </message>
    <message>
        <source>You should consider to update soon.</source>
        <translation>Sie sollten bald aktualisieren.</translation>
    </message>
    <message>
        <source>You have to update, this program version is not appropriate anymore.</source>
        <translation>Sie müssen aktualisieren, diese Programmversion taugt nicht mehr.</translation>
    </message>
    <message>
        <source>
Please go to %3</source>
        <translation>
Bitte gehen Sie zu %3</translation>
    </message>
    <message>
        <source>New Analysis Data available on the Server: </source>
        <translation>Neue Auswertungen auf dem Server: </translation>
    </message>
    <message>
        <source> %1 pages, %2 text messages and %3 pictures
</source>
        <translation> %1 Seiten, %2 Textnachrichten und %3 Bilder
</translation>
    </message>
    <message>
        <source>The actual status on the server:</source>
        <translation>Der aktuelle Stand auf dem Server:</translation>
    </message>
    <message>
        <source># members:  %1</source>
        <translation>Mitglieder:  %1</translation>
    </message>
    <message>
        <source># purses :  %1</source>
        <translation>Geldbörsen:  %1</translation>
    </message>
    <message>
        <source>Total Uploaded Sum:  %1 Euro</source>
        <translation>Hochgeladene Gesamtsumme:  %1 Euro</translation>
    </message>
    <message>
        <source>last upload from: %1</source>
        <translation>letzter Upload aus: %1</translation>
    </message>
    <message>
        <source>suggested next session around: %1</source>
        <translation>nächste Zählung etwa am: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>ZUV Settings</source>
        <translation>ZUV-Einstellungen</translation>
    </message>
    <message>
        <source>It is necessary that you give these informations</source>
        <translation>Diese Angaben sind notwendig</translation>
    </message>
    <message>
        <source>Where are you?</source>
        <translation>Wo sind Sie?</translation>
    </message>
    <message>
        <source>Very important because the diffusion is &quot;Where?&quot;-dependent</source>
        <translation>Sehr wichtig, denn die Verbreitung hängt vom „Wo?“ ab</translation>
    </message>
    <message>
        <source> Country</source>
        <translation> Land</translation>
    </message>
    <message>
        <source>The country where you make most of your transactions</source>
        <translation>Das Land, in dem Sie die meisten Zahlungen tätigen</translation>
    </message>
    <message>
        <source> &amp;Postal Code</source>
        <translation> &amp;Postleitzahl</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits)</source>
        <translation>Die Postleitzahl Ihres Ortes (mindestens 2 Ziffern)</translation>
    </message>
    <message>
        <source> City Size</source>
        <translation> Ortsgröße</translation>
    </message>
    <message>
        <source>Choose the population of your city</source>
        <translation>Wählen Sie die Einwohnerzahl Ihres Ortes</translation>
    </message>
    <message>
        <source>Tell us the population of your city</source>
        <translation>Nennen Sie uns die Einwohnerzahl Ihres Ortes</translation>
    </message>
    <message>
        <source>Sign this contract</source>
        <translation>Unterschreiben Sie diesen Vertrag</translation>
    </message>
    <message>
        <source>§1: </source>
        <translation>§1: </translation>
    </message>
    <message>
        <source>obligatory !</source>
        <translation>Pflicht!</translation>
    </message>
    <message>
        <source>I promise not to send in fake data, because it would endanger the scientific analysis.</source>
        <translation>Ich verspreche, keine erfundenen Daten einzusenden, denn sie würden die wissenschaftliche Auswertung gefährden.</translation>
    </message>
    <message>
        <source>That goes without saying, but please please please keep to this rule!</source>
        <translation>Das versteht sich von selbst, aber bitte, bitte, bitte halten Sie sich an diese Regel!</translation>
    </message>
    <message>
        <source>§2: </source>
        <translation>§2: </translation>
    </message>
    <message>
        <source>optional</source>
        <translation>freiwillig</translation>
    </message>
    <message>
        <source>I agree to how I am using this program is observed for research on ergonomics and for improving future versions.</source>
        <translation>Ich bin einverstanden, dass meine Nutzung dieses Programms für die Ergonomie-Forschung und für bessere künftige Versionen beobachtet wird.</translation>
    </message>
    <message>
        <source>For example, pressing a button in ZUV is recorded. No harm to you, but very informative for e.g. the programmer who wants to optimize it.</source>
        <translation>Zum Beispiel wird aufgezeichnet, wenn Sie in ZUV einen Knopf drücken. Das schadet Ihnen nicht, ist aber sehr aufschlussreich, etwa für den Programmierer, der es verbessern möchte.</translation>
    </message>
    <message>
        <source>Privacy Statement:
All uploaded data will be used for research intentions only. Maximal anonymity is promised!</source>
        <translation>Datenschutzerklärung:
Alle hochgeladenen Daten werden ausschließlich für die Forschung verwendet. Größtmögliche Anonymität ist zugesichert!</translation>
    </message>
    <message>
        <source>Who told you about this?</source>
        <translation>Wer hat Ihnen davon erzählt?</translation>
    </message>
    <message>
        <source>A recommends it to B and C; C recommends it to D, E and F; F recommends it to G, ... the program spreads by talking about it!</source>
        <translation>A empfiehlt es B und C; C empfiehlt es D, E und F; F empfiehlt es G, ... das Programm verbreitet sich, weil man darüber spricht!</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers! If several, separate by comma.</source>
        <translation>Fragen Sie die Empfehlenden nach ihren Mitgliedsnummern! Mehrere trennen Sie durch Kommas.</translation>
    </message>
    <message>
        <source>ZUV-Membernumbers</source>
        <translation>ZUV-Mitgliedsnummern</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers!!! Later we can analyze how the program has spread over the planet!</source>
        <translation>Fragen Sie die Empfehlenden nach ihren Mitgliedsnummern!!! Später können wir untersuchen, wie sich das Programm über den Planeten verbreitet hat!</translation>
    </message>
    <message>
        <source>several...</source>
        <translation>mehrere ...</translation>
    </message>
    <message>
        <source>or use this dialog for inputting several recommenders</source>
        <translation>oder geben Sie mehrere Empfehlende in diesem Dialog ein</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>ODER</translation>
    </message>
    <message>
        <source>Or give both, Membernumber and Name, if that organization has mentioned their usernumber</source>
        <translation>Oder geben Sie beides an, Mitgliedsnummer und Name, wenn die Organisation ihre Nummer genannt hat</translation>
    </message>
    <message>
        <source>example: Perhaps you heard about ZUV on the radio? Name the radio station.</source>
        <translation>Beispiel: Vielleicht haben Sie im Radio von ZUV gehört? Nennen Sie den Sender.</translation>
    </message>
    <message>
        <source>Name of organization</source>
        <translation>Name der Organisation</translation>
    </message>
    <message>
        <source>NECESSARY Localization</source>
        <translation>NOTWENDIG: Ort</translation>
    </message>
    <message>
        <source>If you want to, I can provide useful services for you. Click here.</source>
        <translation>Wenn Sie möchten, biete ich Ihnen nützliche Dienste an. Klicken Sie hier.</translation>
    </message>
    <message>
        <source>Service Settings</source>
        <translation>Einstellungen der Dienste</translation>
    </message>
    <message>
        <source>You can also order these services on the website  </source>
        <translation>Sie können diese Dienste auch auf der Website bestellen  </translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>please type in your eMail address if you want me to contact you.</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein, wenn ich Sie kontaktieren soll.</translation>
    </message>
    <message>
        <source>I want reminder messages &quot;Zuvanta!&quot;</source>
        <translation>Ich möchte Erinnerungen „Zuvanta!“</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>wöchentlich</translation>
    </message>
    <message>
        <source>bi-monthly</source>
        <translation>alle zwei Monate</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>monatlich</translation>
    </message>
    <message>
        <source>I want informations about the project (newsletter).</source>
        <translation>Ich möchte Neuigkeiten über das Projekt (Newsletter).</translation>
    </message>
    <message>
        <source>I offer my help for this project.</source>
        <translation>Ich biete meine Hilfe für dieses Projekt an.</translation>
    </message>
    <message>
        <source>I would like to analyze the data.</source>
        <translation>Ich würde gern die Daten auswerten.</translation>
    </message>
    <message>
        <source>USEFUL Service</source>
        <translation>NÜTZLICHE Dienste</translation>
    </message>
    <message>
        <source>If you want to, you can tell me your opinion about this project. Click.</source>
        <translation>Wenn Sie möchten, können Sie mir Ihre Meinung zu diesem Projekt sagen. Klicken Sie.</translation>
    </message>
    <message>
        <source>Your opinion counts</source>
        <translation>Ihre Meinung zählt</translation>
    </message>
    <message>
        <source>2002</source>
        <translation>2002</translation>
    </message>
    <message>
        <source>2003</source>
        <translation>2003</translation>
    </message>
    <message>
        <source>2004</source>
        <translation>2004</translation>
    </message>
    <message>
        <source>2005</source>
        <translation>2005</translation>
    </message>
    <message>
        <source>2006</source>
        <translation>2006</translation>
    </message>
    <message>
        <source>2007</source>
        <translation>2007</translation>
    </message>
    <message>
        <source>2008</source>
        <translation>2008</translation>
    </message>
    <message>
        <source>2009</source>
        <translation>2009</translation>
    </message>
    <message>
        <source>2010</source>
        <translation>2010</translation>
    </message>
    <message>
        <source>2011-2020</source>
        <translation>2011–2020</translation>
    </message>
    <message>
        <source>2021- ......</source>
        <translation>2021– ......</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Please give a guess, when your purse will show the same distribution of countries as the distribution of produced coins ... (when are the European coins mixed completely?)</source>
        <translation>Schätzen Sie bitte, wann die Länder in Ihrer Geldbörse so verteilt sein werden wie die geprägten Münzen ... (wann sind die Euromünzen ganz durchmischt?)</translation>
    </message>
    <message>
        <source>Please give a guess, when you will have had 
all European coins in your purse once?</source>
        <translation>Schätzen Sie bitte, wann Sie 
alle europäischen Münzen einmal in Ihrer Geldbörse gehabt haben werden.</translation>
    </message>
    <message>
        <source>Describe yourself or an idea or leave a message.</source>
        <translation>Beschreiben Sie sich, eine Idee, oder hinterlassen Sie eine Nachricht.</translation>
    </message>
    <message>
        <source>If you want my answer to this comment, you should provide your eMail-address.</source>
        <translation>Wenn Sie auf diesen Kommentar eine Antwort möchten, geben Sie bitte Ihre E-Mail-Adresse an.</translation>
    </message>
    <message>
        <source>VOLUNTARY opinion</source>
        <translation>FREIWILLIG: Ihre Meinung</translation>
    </message>
    <message>
        <source>On your first upload to the server you become a member!</source>
        <translation>Mit Ihrem ersten Upload zum Server werden Sie Mitglied!</translation>
    </message>
    <message>
        <source>Your 
membernumber:</source>
        <translation>Ihre 
Mitgliedsnummer:</translation>
    </message>
    <message>
        <source>Why a membernumber? Apart from technical reasons, we can later analyze how this program spread over the planet because of your recommendation!</source>
        <translation>Wozu eine Mitgliedsnummer? Abgesehen von technischen Gründen können wir später untersuchen, wie sich dieses Programm durch Ihre Empfehlung über den Planeten verbreitet hat!</translation>
    </message>
    <message>
        <source>Whenever you recommend this program, please mention your membernumber.</source>
        <translation>Wann immer Sie dieses Programm empfehlen, nennen Sie bitte Ihre Mitgliedsnummer.</translation>
    </message>
    <message>
        <source>You joined us on:</source>
        <translation>Dabei seit:</translation>
    </message>
    <message>
        <source>Welcome Message:</source>
        <translation>Begrüßung:</translation>
    </message>
    <message>
        <source>Membernumber</source>
        <translation>Mitgliedsnummer</translation>
    </message>
    <message>
        <source>Back to old settings</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>resets the settings to the state of the last saving</source>
        <translation>setzt die Einstellungen auf den Stand der letzten Speicherung zurück</translation>
    </message>
    <message>
        <source>You have to fill in where you are and sign §1 of the contract to participate in the European project &quot;Zuvanta!&quot;.</source>
        <translation>Um am europäischen Projekt „Zuvanta!“ teilzunehmen, müssen Sie angeben, wo Sie sind, und §1 des Vertrags unterschreiben.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>save these settings and go back</source>
        <translation>diese Einstellungen speichern und zurückgehen</translation>
    </message>
</context>
<context>
    <name>SlideShow</name>
    <message>
        <source>previous coin</source>
        <translation>vorige Münze</translation>
    </message>
    <message>
        <source>next coin</source>
        <translation>nächste Münze</translation>
    </message>
    <message>
        <source>previous country</source>
        <translation>vorheriges Land</translation>
    </message>
    <message>
        <source>next country</source>
        <translation>nächstes Land</translation>
    </message>
    <message>
        <source>Loading pictures...</source>
        <translation>Bilder werden geladen ...</translation>
    </message>
    <message>
        <source>Abort not possible</source>
        <translation>Abbrechen nicht möglich</translation>
    </message>
    <message>
        <source>Sorry, your version of Qt doesn&apos;t support &apos;%1&apos; files, only these filetypes are supported:
%2
Please re-configure Qt and build it again (or ask your admin)
See &apos; $QTDIR/configure -help | more &apos; for informations how to...

ZUV will work, but you won&apos;t see the coin pictures! What a pity...</source>
        <translation>Leider kann Ihre Qt-Version keine „%1“-Dateien lesen, nur diese Dateitypen:
%2
Bitte konfigurieren Sie Qt neu und bauen Sie es noch einmal (oder fragen Sie Ihren Administrator).
Wie das geht, steht unter &apos; $QTDIR/configure -help | more &apos;.

ZUV funktioniert, aber Sie sehen die Münzbilder nicht! Schade...</translation>
    </message>
    <message>
        <source>Of %1 total coins:%2 files loaded,%3 pictures could not be read.
To have a nicer program, you might want to check the website for more pictures?</source>
        <translation>Von insgesamt %1 Münzen: %2 Dateien geladen, %3 Bilder konnten nicht gelesen werden.
Für ein schöneres Programm finden Sie vielleicht weitere Bilder auf der Website.</translation>
    </message>
    <message>
        <source>Picture format not supported by Qt</source>
        <translation>Bildformat wird von Qt nicht unterstützt</translation>
    </message>
    <message>
        <source>ZUV: You could download (more) coin pictures</source>
        <translation>ZUV: Sie können (weitere) Münzbilder herunterladen</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>TownSize</name>
    <message>
        <source>&lt; 500</source>
        <translation>&lt; 500</translation>
    </message>
    <message>
        <source>500 - 1,000</source>
        <translation>500 – 1.000</translation>
    </message>
    <message>
        <source>1,000 - 5,000</source>
        <translation>1.000 – 5.000</translation>
    </message>
    <message>
        <source>5,000 - 10,000</source>
        <translation>5.000 – 10.000</translation>
    </message>
    <message>
        <source>10,000 - 50,000</source>
        <translation>10.000 – 50.000</translation>
    </message>
    <message>
        <source>50,000 - 100,000</source>
        <translation>50.000 – 100.000</translation>
    </message>
    <message>
        <source>100,000 - 500,000</source>
        <translation>100.000 – 500.000</translation>
    </message>
    <message>
        <source>500,000 - 1,000,000</source>
        <translation>500.000 – 1.000.000</translation>
    </message>
    <message>
        <source>1,000,000 - 5,000,000</source>
        <translation>1.000.000 – 5.000.000</translation>
    </message>
    <message>
        <source>&gt; 5,000,000</source>
        <translation>&gt; 5.000.000</translation>
    </message>
    <message>
        <source>I do not know it</source>
        <translation>Weiß ich nicht</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>ERROR Usage::StoreEvent : there is no event called %1</source>
        <translation>FEHLER Usage::StoreEvent: Es gibt kein Ereignis namens %1</translation>
    </message>
    <message>
        <source>Time in s</source>
        <translation>Zeit in s</translation>
    </message>
    <message>
        <source>Event ID</source>
        <translation>Ereignis-Nr.</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Ereignisname</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Event Name</source>
        <translation>Ereignisname</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 Sek.</translation>
    </message>
</context>
<context>
    <name>ZUVWindow</name>
    <message>
        <source>Zuvanta - ZUV for Research (v%1 - %1)</source>
        <translation>Zuvanta – ZUV für die Forschung (v%1 – %1)</translation>
    </message>
    <message>
        <source>-&gt;
&amp;Insert</source>
        <translation>-&gt;
&amp;Einfügen</translation>
    </message>
    <message>
        <source>&lt;-
Take Away</source>
        <translation>&lt;-
Wegnehmen</translation>
    </message>
    <message>
        <source>Save purse and QUIT</source>
        <translation>Geldbörse speichern und BEENDEN</translation>
    </message>
    <message>
        <source>Upload purses</source>
        <translation>Geldbörsen hochladen</translation>
    </message>
    <message>
        <source>Your settings</source>
        <translation>Ihre Einstellungen</translation>
    </message>
    <message>
        <source>See the newest
data analysis</source>
        <translation>Die neueste
Auswertung ansehen</translation>
    </message>
    <message>
        <source>about this project</source>
        <translation>über dieses Projekt</translation>
    </message>
    <message>
        <source>invite friends</source>
        <translation>Freunde einladen</translation>
    </message>
    <message>
        <source>just QUIT</source>
        <translation>nur BEENDEN</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Gespeicherte Daten
ignorieren.</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Jetzt beenden</translation>
    </message>
    <message>
        <source>The project&apos;s results and your own countings can be shown here, in a window of their own.

Or watch results online: </source>
        <translation>Die Ergebnisse des Projekts und Ihre eigenen Zählungen lassen sich hier in einem eigenen Fenster zeigen.

Oder sehen Sie die Ergebnisse online an: </translation>
    </message>
    <message>
        <source>OK, try to open the page now</source>
        <translation>Gut, die Seite jetzt öffnen</translation>
    </message>
    <message>
        <source>Cancel, I remember the URL</source>
        <translation>Abbrechen, ich merke mir die Adresse</translation>
    </message>
    <message>
        <source>Show the results here</source>
        <translation>Ergebnisse hier zeigen</translation>
    </message>
    <message>
        <source>If you quit now, this table will be lost!

Rather press &apos;SAVE&apos; or &apos;UPLOAD&apos;, if you want to have it stored.</source>
        <translation>Wenn Sie jetzt beenden, geht diese Tabelle verloren!

Drücken Sie lieber „SPEICHERN“ oder „HOCHLADEN“, wenn sie erhalten bleiben soll.</translation>
    </message>
    <message>
        <source>OK, I will not quit</source>
        <translation>Gut, ich beende nicht</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the program</source>
        <translation>Gut, ich gebe mir Mühe.
Zurück zum Programm</translation>
    </message>
    <message>
        <source>No, quit anyway and
discard my data of this session</source>
        <translation>Nein, trotzdem beenden und
die Daten dieser Sitzung verwerfen</translation>
    </message>
    <message>
        <source>Stored Purses on disk: </source>
        <translation>Gespeicherte Geldbörsen: </translation>
    </message>
    <message>
        <source>See data analysis</source>
        <translation>Auswertung ansehen</translation>
    </message>
    <message>
        <source>file error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>ZUV loosing your data</source>
        <translation>ZUV verliert Ihre Daten</translation>
    </message>
    <message>
        <source>ZUV cannot save your data</source>
        <translation>ZUV kann Ihre Daten nicht speichern</translation>
    </message>
    <message>
        <source>The results window cannot be opened:
%1</source>
        <translation>Das Ergebnisfenster lässt sich nicht öffnen:
%1</translation>
    </message>
</context>
</TS>
