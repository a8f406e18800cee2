<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>ZUV is een onderzoeksproject dat jou nodig heeft!
Hoe de nationale euromunten zich verspreiden, valt te onderzoeken
als genoeg aardige mensen in heel Europa per week of per maand
1 à 2 minuten besteden aan het invoeren van hun portemonnee in dit programma.

Alle gegevens gaan via internet naar een server, worden daar geanalyseerd,
en de analyse wordt zo snel mogelijk gepubliceerd.

! Voer alleen munten uit je dagelijkse portemonnee in, niet uit je muntenverzameling!
! Binnenkort maak ik een versie voor verzamelaars, maar voer voorlopig alleen munten in die in omloop zijn!

Programmaversie %1 (%2)
Copyright (C) 2002 het ZUV-onderzoeksproject. Alle rechten voorbehouden.
Je mag dit programma ongewijzigd en gratis kopiëren en doorgeven.

Voor technische hulp, sponsoraanbiedingen of nieuwsberichten:
zie  %3
</translation>
    </message>
</context>
<context>
    <name>Client</name>
    <message>
        <source>ZUV client (%1) for data transfer to server</source>
        <translation>ZUV-programma (%1) voor het versturen van de gegevens naar de server</translation>
    </message>
    <message>
        <source>&amp;Open Connection</source>
        <translation>Verbinding &amp;openen</translation>
    </message>
    <message>
        <source>Clear &amp;Window</source>
        <translation>Venster &amp;leegmaken</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>switch to single operation steps (for BETA only)</source>
        <translation>overschakelen naar losse stappen (alleen voor de BÈTA)</translation>
    </message>
    <message>
        <source>This is for testing the beta version</source>
        <translation>Dit is om de bètaversie te testen</translation>
    </message>
    <message>
        <source>Set &amp;Server Address</source>
        <translation>&amp;Serveradres instellen</translation>
    </message>
    <message>
        <source>Send &amp;Data</source>
        <translation>&amp;Gegevens versturen</translation>
    </message>
    <message>
        <source>Send &amp;Faulty Format</source>
        <translation>&amp;Fout formaat versturen</translation>
    </message>
    <message>
        <source>Send &amp;Too Much</source>
        <translation>&amp;Te veel versturen</translation>
    </message>
    <message>
        <source>Send Old &amp;Version</source>
        <translation>Oude &amp;versie versturen</translation>
    </message>
    <message>
        <source>Send &amp;Too New Version</source>
        <translation>Te &amp;nieuwe versie versturen</translation>
    </message>
    <message>
        <source>&amp;Close Connection</source>
        <translation>Verbinding &amp;sluiten</translation>
    </message>
    <message>
        <source>ZUV net error %1</source>
        <translation>ZUV-netwerkfout %1</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Nu afsluiten</translation>
    </message>
    <message>
        <source>Socket error number %1 occurred</source>
        <translation>Socketfout nummer %1 is opgetreden</translation>
    </message>
    <message>
        <source>Server changed to  %1:%2 </source>
        <translation>Server gewijzigd in  %1:%2 </translation>
    </message>
    <message>
        <source>Client had to close the connection %1 for reason %2</source>
        <translation>Het programma moest verbinding %1 sluiten om reden %2</translation>
    </message>
    <message>
        <source>
%1 very proudly presents:
The CLIENT %2 of ZUV v%3 - Please connect to the Server now.
</source>
        <translation>
%1 presenteert met trots:
Het programma %2 van ZUV v%3 – Maak nu verbinding met de server.
</translation>
    </message>
    <message>
        <source>Trying to connect to the server...</source>
        <translation>Verbinding met de server maken...</translation>
    </message>
    <message>
        <source>starting to send to server...</source>
        <translation>verzenden naar de server begint...</translation>
    </message>
    <message>
        <source>transmission not successful!</source>
        <translation>verzending mislukt!</translation>
    </message>
    <message>
        <source>Hostname found in DNS...</source>
        <translation>Hostnaam gevonden in DNS...</translation>
    </message>
    <message>
        <source>Host not found in DNS.</source>
        <translation>Host niet gevonden in DNS.</translation>
    </message>
    <message>
        <source>Please check Internet connection and try again.</source>
        <translation>Controleer de internetverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Connected to server</source>
        <translation>Verbonden met de server</translation>
    </message>
    <message>
        <source>Server cannot be reached at the moment.</source>
        <translation>De server is op dit moment niet bereikbaar.</translation>
    </message>
    <message>
        <source>Please check your Internet connection and try again (later).</source>
        <translation>Controleer je internetverbinding en probeer het (later) opnieuw.</translation>
    </message>
    <message>
        <source>Connection closed by the server. Malfunction, please try again (later).</source>
        <translation>De server heeft de verbinding gesloten. Een storing, probeer het (later) opnieuw.</translation>
    </message>
    <message>
        <source>Connection closed properly</source>
        <translation>Verbinding netjes gesloten</translation>
    </message>
    <message>
        <source>receiving from server...</source>
        <translation>ontvangen van de server...</translation>
    </message>
    <message>
        <source>all data arrived from server</source>
        <translation>alle gegevens van de server zijn binnen</translation>
    </message>
    <message>
        <source>Don&apos;t know. Please send an idea to %1</source>
        <translation>Onbekend. Stuur alsjeblieft een idee naar %1</translation>
    </message>
    <message>
        <source>A problem occurred:
 (%1) %2
Suggested solution:
 %3</source>
        <translation>Er is een probleem opgetreden:
 (%1) %2
Voorgestelde oplossing:
 %3</translation>
    </message>
    <message>
        <source>Some problem occurred during connection</source>
        <translation>Er is een probleem opgetreden tijdens de verbinding</translation>
    </message>
    <message>
        <source>

Because server answered:
</source>
        <translation>

Omdat de server antwoordde:
</translation>
    </message>
    <message>
        <source>Don&apos;t know</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Communication with Server failed</source>
        <translation>Communicatie met de server mislukt</translation>
    </message>
</context>
<context>
    <name>Coin</name>
    <message>
        <source>1c</source>
        <translation>1 ct</translation>
    </message>
    <message>
        <source>2c</source>
        <translation>2 ct</translation>
    </message>
    <message>
        <source>5c</source>
        <translation>5 ct</translation>
    </message>
    <message>
        <source>10c</source>
        <translation>10 ct</translation>
    </message>
    <message>
        <source>20c</source>
        <translation>20 ct</translation>
    </message>
    <message>
        <source>50c</source>
        <translation>50 ct</translation>
    </message>
    <message>
        <source>1e</source>
        <translation>€ 1</translation>
    </message>
    <message>
        <source>2e</source>
        <translation>€ 2</translation>
    </message>
</context>
<context>
    <name>CountTable</name>
    <message>
        <source>These coins are in your purse</source>
        <translation>Dit zit er in je portemonnee</translation>
    </message>
    <message>
        <source>RESET
this table to 0</source>
        <translation>RESET
deze tabel naar 0</translation>
    </message>
    <message>
        <source>Euro Coins</source>
        <translation>Euromunten</translation>
    </message>
    <message>
        <source>Please type in positive NUMBERS only!
The field will be set to 0 now.</source>
        <translation>Typ alleen positieve GETALLEN in!
Het veld wordt nu op 0 gezet.</translation>
    </message>
    <message>
        <source> %1 Euro </source>
        <translation> %1 euro </translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Common Side</source>
        <translation>Gemeenschappelijke zijde</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Oostenrijk</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>België</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrijk</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Duitsland</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Griekenland</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Ierland</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italië</translation>
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
        <translation>Nederland</translation>
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
        <translation>Spanje</translation>
    </message>
    <message>
        <source>Vatican</source>
        <translation>Vaticaanstad</translation>
    </message>
    <message>
        <source>Other European Country</source>
        <translation>Ander Europees land</translation>
    </message>
    <message>
        <source>North Africa</source>
        <translation>Noord-Afrika</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Zuid-Afrika</translation>
    </message>
    <message>
        <source>West Asia</source>
        <translation>West-Azië</translation>
    </message>
    <message>
        <source>East Asia</source>
        <translation>Oost-Azië</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australië</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Stille Oceaan</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Noord-Amerika</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Zuid-Amerika</translation>
    </message>
    <message>
        <source>Arctis</source>
        <translation>Noordpoolgebied</translation>
    </message>
    <message>
        <source>Antarctis</source>
        <translation>Antarctica</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send ZUV invitations to your friends</source>
        <translation>ZUV-uitnodigingen naar je vrienden sturen</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the settings.</source>
        <translation>Goed, ik doe mijn best.
Terug naar de instellingen.</translation>
    </message>
    <message>
        <source>No, discard my settings changes.</source>
        <translation>Nee, mijn wijzigingen weggooien.</translation>
    </message>
    <message>
        <source>Before you can upload your data, you are asked 
to fill in some information about you.

</source>
        <translation>Voordat je je gegevens kunt versturen, 
vragen we je om wat informatie over jezelf.

</translation>
    </message>
    <message>
        <source>Your ZUV Settings are not complete!

</source>
        <translation>Je ZUV-instellingen zijn niet compleet!

</translation>
    </message>
    <message>
        <source>Please fill in where you are!
The Euro diffusion depends on the location.
</source>
        <translation>Vul in waar je bent!
De verspreiding van de euro hangt af van de plaats.
</translation>
    </message>
    <message>
        <source>This program is part of a scientific research project.
</source>
        <translation>Dit programma hoort bij een wetenschappelijk onderzoeksproject.
</translation>
    </message>
    <message>
        <source>Please fill in necessary information</source>
        <translation>Vul de nodige gegevens in</translation>
    </message>
    <message>
        <source>ZUV Settings not complete</source>
        <translation>ZUV-instellingen niet compleet</translation>
    </message>
    <message>
        <source>OK, I do</source>
        <translation>Ja, ik teken</translation>
    </message>
    <message>
        <source>No, I don&apos;t</source>
        <translation>Nee, ik teken niet</translation>
    </message>
    <message>
        <source>Participation endangered</source>
        <translation>Deelname in gevaar</translation>
    </message>
    <message>
        <source>Then the program would be terminated now
loosing your data...!</source>
        <translation>Dan wordt het programma nu afgesloten
en gaan je gegevens verloren...!</translation>
    </message>
    <message>
        <source>OK, I want to participate</source>
        <translation>Ja, ik wil meedoen</translation>
    </message>
    <message>
        <source>Quit, I don&apos;t participate</source>
        <translation>Afsluiten, ik doe niet mee</translation>
    </message>
    <message>
        <source>Your membership in the ZUV-project</source>
        <translation>Je lidmaatschap van het ZUV-project</translation>
    </message>
    <message>
        <source> &amp;Country, City</source>
        <translation> &amp;Land, stad</translation>
    </message>
    <message>
        <source>Please name your Country and City</source>
        <translation>Noem je land en je stad</translation>
    </message>
    <message>
        <source> Postal &amp;Code</source>
        <translation> Post&amp;code</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits).</source>
        <translation>De postcode van je woonplaats (minstens 2 cijfers).</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Opgeslagen gegevens
negeren.</translation>
    </message>
    <message>
        <source>Quit now
(loosing new data of today!)</source>
        <translation>Nu afsluiten
(de nieuwe gegevens van vandaag gaan verloren!)</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please try again</source>
        <translation>Goed, ik doe mijn best.
Opnieuw proberen</translation>
    </message>
    <message>
        <source>No, quit anyway. I don&apos;t need an archive.</source>
        <translation>Nee, toch afsluiten. Ik heb geen archief nodig.</translation>
    </message>
    <message>
        <source>ZUV says thank you</source>
        <translation>ZUV zegt dank je wel</translation>
    </message>
    <message>
        <source>Thanks a lot.</source>
        <translation>Hartelijk dank.</translation>
    </message>
    <message>
        <source>Your data has been saved to %1.</source>
        <translation>Je gegevens zijn opgeslagen in %1.</translation>
    </message>
    <message>
        <source>
See you next time...</source>
        <translation>
Tot de volgende keer...</translation>
    </message>
    <message>
        <source>Today featuring ...</source>
        <translation>Vandaag in de schijnwerpers...</translation>
    </message>
    <message>
        <source>To ensure data quality, you are asked to sign §1 of the contract</source>
        <translation>Om de kwaliteit van de gegevens te waarborgen, vragen we je §1 van het contract te ondertekenen</translation>
    </message>
    <message>
        <source>If you don&apos;t sign paragraph §1 of the contract,
you can&apos;t participate in this project, sorry.
</source>
        <translation>Als je §1 van het contract niet ondertekent,
kun je helaas niet aan dit project meedoen.
</translation>
    </message>
    <message>
        <source>
Optional:
You could enable us to optimize this and other programs
by research on ergonomics. Therefore, it would be very nice,
if you allowed us to log the usage by also signing paragraph §2.</source>
        <translation>
Optioneel:
Je kunt ons helpen dit en andere programma&apos;s te verbeteren
met ergonomisch onderzoek. We zouden het daarom erg fijn vinden
als je ons toestaat het gebruik vast te leggen door ook §2 te ondertekenen.</translation>
    </message>
    <message>
        <source>About (ZUV) Zuvanta!</source>
        <translation>Over (ZUV) Zuvanta!</translation>
    </message>
    <message>
        <source>WWW:
Project Homepage</source>
        <translation>WWW:
website van het project</translation>
    </message>
    <message>
        <source>WWW:
Download new version</source>
        <translation>WWW:
nieuwe versie downloaden</translation>
    </message>
    <message>
        <source>ZUV cannot save your settings</source>
        <translation>ZUV kan je instellingen niet opslaan</translation>
    </message>
    <message>
        <source>ZUV: archive file error</source>
        <translation>ZUV: fout in het archiefbestand</translation>
    </message>
    <message>
        <source>ZUV cannot save your archive</source>
        <translation>ZUV kan je archief niet opslaan</translation>
    </message>
    <message>
        <source>The connection window cannot be opened:
%1</source>
        <translation>Het verbindingsvenster kan niet worden geopend:
%1</translation>
    </message>
</context>
<context>
    <name>ErrorHelp</name>
    <message>
        <source>Delete your datafile and restart ZUV.</source>
        <translation>Verwijder je gegevensbestand en start ZUV opnieuw.</translation>
    </message>
    <message>
        <source>It is important that you notify the author of his server malfunction!</source>
        <translation>Het is belangrijk dat je de auteur laat weten dat zijn server niet goed werkt!</translation>
    </message>
    <message>
        <source>Use newer programversion! %1</source>
        <translation>Gebruik een nieuwere versie van het programma! %1</translation>
    </message>
    <message>
        <source>No problem. We just start from scratch.</source>
        <translation>Geen probleem. We beginnen gewoon opnieuw.</translation>
    </message>
    <message>
        <source>The checksum of the data file/stream is incorrect! Can have many reasons - all fatal!</source>
        <translation>De controlesom van het bestand of de gegevensstroom klopt niet! Dat kan vele oorzaken hebben – allemaal fataal!</translation>
    </message>
    <message>
        <source>Download a newer programversion %1</source>
        <translation>Download een nieuwere versie van het programma: %1</translation>
    </message>
    <message>
        <source>Perhaps try again later.</source>
        <translation>Probeer het misschien later nog eens.</translation>
    </message>
    <message>
        <source>Doesn&apos;t seem to be a ZUV server on the other side. Misuse? Please tell the author!</source>
        <translation>Aan de andere kant lijkt geen ZUV-server te zitten. Misbruik? Laat het de auteur alsjeblieft weten!</translation>
    </message>
    <message>
        <source>Try later when the net traffic is not so busy.</source>
        <translation>Probeer het later, als het minder druk is op het net.</translation>
    </message>
    <message>
        <source>Please download a new version from %1</source>
        <translation>Download een nieuwe versie van %1</translation>
    </message>
    <message>
        <source>A bug. Please contact the author.</source>
        <translation>Een fout in het programma. Neem contact op met de auteur.</translation>
    </message>
    <message>
        <source>Your datafile is probably write-protected. Remove that.</source>
        <translation>Je gegevensbestand is waarschijnlijk tegen schrijven beveiligd. Hef die beveiliging op.</translation>
    </message>
    <message>
        <source>Very strange - please tell the author!</source>
        <translation>Heel vreemd – laat het de auteur alsjeblieft weten!</translation>
    </message>
    <message>
        <source>Try again tomorrow (best), contact the author (good) or delete your datafile (not so good)</source>
        <translation>Probeer het morgen opnieuw (het beste), neem contact op met de auteur (goed) of verwijder je gegevensbestand (minder goed)</translation>
    </message>
    <message>
        <source>No working Internet connection on your side. Fix it . OR: No server running. Nothing you can do now. Please try again later. </source>
        <translation>Je internetverbinding werkt niet. Los dat op. OF: er draait geen server. Daar kun je nu niets aan doen. Probeer het later opnieuw. </translation>
    </message>
    <message>
        <source>Not a problem at all. Your data has been uploaded successfully!</source>
        <translation>Helemaal geen probleem. Je gegevens zijn met succes verstuurd!</translation>
    </message>
    <message>
        <source>Probably best idea to get a newer programversion or describe the problem to the author.</source>
        <translation>Waarschijnlijk kun je het beste een nieuwere versie van het programma nemen of het probleem aan de auteur beschrijven.</translation>
    </message>
    <message>
        <source>Please try again later or contact the author.</source>
        <translation>Probeer het later opnieuw of neem contact op met de auteur.</translation>
    </message>
    <message>
        <source>Your client doesn&apos;t understand the server anymore. New version from %1 !</source>
        <translation>Je programma begrijpt de server niet meer. Een nieuwe versie vind je op %1!</translation>
    </message>
    <message>
        <source>

Please write a short message
with a description of this problem
to %1</source>
        <translation>

Stuur alsjeblieft een kort bericht
met een beschrijving van dit probleem
naar %1</translation>
    </message>
    <message>
        <source>
Possible solution:
</source>
        <translation>
Mogelijke oplossing:
</translation>
    </message>
</context>
<context>
    <name>FatalError</name>
    <message>
        <source>ZUV fatal logical error</source>
        <translation>ZUV: fatale logische fout</translation>
    </message>
    <message>
        <source>ZUV fatal file error</source>
        <translation>ZUV: fatale bestandsfout</translation>
    </message>
    <message>
        <source>ZUV fatal network error</source>
        <translation>ZUV: fatale netwerkfout</translation>
    </message>
    <message>
        <source>ZUV fatal stream error</source>
        <translation>ZUV: fatale fout in de gegevensstroom</translation>
    </message>
    <message>
        <source>ZUV fatal error</source>
        <translation>ZUV: fatale fout</translation>
    </message>
    <message>
        <source>ZUV unknown error</source>
        <translation>ZUV: onbekende fout</translation>
    </message>
</context>
<context>
    <name>Invitations</name>
    <message>
        <source>Invite by zuvmail to join the project and to mention 
YOUR membernumber as their recommender.
</source>
        <translation>Nodig per zuvmail uit om mee te doen en daarbij 
JOUW lidnummer als aanbeveler te noemen.
</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>Munt</translation>
    </message>
    <message>
        <source>&amp;insert</source>
        <translation>&amp;invoegen</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>verstuurd</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>verwijderen</translation>
    </message>
    <message>
        <source>Send your favourite coin
in the zuvmail postcard:</source>
        <translation>Stuur je favoriete munt
mee op de zuvmail-kaart:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This is not a valid
%1</source>
        <translation>Dit is geen geldig
%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;
is not a valid
%2</source>
        <translation>„%1”
is geen geldig
%2</translation>
    </message>
    <message>
        <source>first click the to
be deleted person</source>
        <translation>klik eerst op de persoon
die weg moet</translation>
    </message>
    <message>
        <source>Sorry, that invitation
was already uploaded.</source>
        <translation>Sorry, die uitnodiging
is al verstuurd.</translation>
    </message>
</context>
<context>
    <name>ProjectResultsView</name>
    <message>
        <source>You guessed %1.</source>
        <translation>Jouw schatting: %1.</translation>
    </message>
    <message>
        <source>You guessed 2011-2020.</source>
        <translation>Jouw schatting: 2011-2020.</translation>
    </message>
    <message>
        <source>You guessed 2021 or later.</source>
        <translation>Jouw schatting: 2021 of later.</translation>
    </message>
    <message>
        <source>You guessed never.</source>
        <translation>Jouw schatting: nooit.</translation>
    </message>
    <message>
        <source>You have not guessed yet (&quot;Your settings&quot;).</source>
        <translation>Je hebt nog geen schatting gegeven („Je instellingen”).</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>The project&apos;s results cannot be downloaded from %1: %2.
The project server may be out of reach just now; try again in a while.</source>
        <translation>De resultaten van het project kunnen niet worden gedownload van %1: %2.
De projectserver is misschien even niet bereikbaar; probeer het straks opnieuw.</translation>
    </message>
    <message>
        <source>Loading the project&apos;s results from %1 ...</source>
        <translation>De resultaten van het project worden geladen van %1...</translation>
    </message>
    <message>
        <source>The answer from %1 cannot be read as the project&apos;s results (%2).</source>
        <translation>Het antwoord van %1 is niet te lezen als de resultaten van het project (%2).</translation>
    </message>
    <message>
        <source>%1 members have counted %2 purses so far; published: %3 coins worth %4 Euro.</source>
        <translation>%1 leden hebben tot nu toe %2 portemonnees geteld; gepubliceerd: %3 munten ter waarde van %4 euro.</translation>
    </message>
    <message>
        <source>Published on %1, once a day.</source>
        <translation>Gepubliceerd op %1, eenmaal per dag.</translation>
    </message>
    <message>
        <source>%1 Nothing published: a number is published only where at least %2 members counted coins, so that no participant can be recognised.</source>
        <translation>%1 Niets gepubliceerd: een getal wordt alleen gepubliceerd waar minstens %2 leden munten hebben geteld, zodat geen deelnemer herkend kan worden.</translation>
    </message>
    <message>
        <source>Foreign share by month</source>
        <translation>Buitenlands aandeel per maand</translation>
    </message>
    <message>
        <source>Foreign share by month: nothing published yet</source>
        <translation>Buitenlands aandeel per maand: nog niets gepubliceerd</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>buitenlandse munten</translation>
    </message>
    <message>
        <source>your guess</source>
        <translation>jouw schatting</translation>
    </message>
    <message>
        <source>90% interval</source>
        <translation>90%-interval</translation>
    </message>
    <message>
        <source>model for %1</source>
        <translation>model voor %1</translation>
    </message>
    <message>
        <source>All euro countries</source>
        <translation>Alle eurolanden</translation>
    </message>
    <message>
        <source>No forecast of the mixing is published for your member country.</source>
        <translation>Voor je lidland is geen voorspelling van de vermenging gepubliceerd.</translation>
    </message>
    <message>
        <source>%1: not enough countings yet for a forecast of the mixing (%2).</source>
        <translation>%1: nog te weinig tellingen voor een voorspelling van de vermenging (%2).</translation>
    </message>
    <message>
        <source>half the coins foreign in %1</source>
        <translation>helft van de munten buitenlands: %1</translation>
    </message>
    <message>
        <source>half-way mixed in %1</source>
        <translation>half vermengd: %1</translation>
    </message>
    <message>
        <source>%1: %2; mixed completely in %3.</source>
        <translation>%1: %2; helemaal vermengd: %3.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (fewer than %2)</source>
        <translation>%1 (minder dan %2)</translation>
    </message>
    <message>
        <source>Our members&apos; guesses: %1</source>
        <translation>De schattingen van onze leden: %1</translation>
    </message>
    <message>
        <source>; the countings say %1.</source>
        <translation>; de tellingen zeggen %1.</translation>
    </message>
    <message>
        <source>Where the coins come from: nothing published yet</source>
        <translation>Waar de munten vandaan komen: nog niets gepubliceerd</translation>
    </message>
    <message>
        <source>Where the coins in %1 come from: %2 not published</source>
        <translation>Waar de munten in %1 vandaan komen: %2 niet gepubliceerd</translation>
    </message>
    <message>
        <source>Where the %1 coins in %2 come from</source>
        <translation>Waar de %1 munten in %2 vandaan komen</translation>
    </message>
    <message>
        <source>share of the coins</source>
        <translation>aandeel van de munten</translation>
    </message>
    <message>
        <source>Foreign share by coin value</source>
        <translation>Buitenlands aandeel per muntwaarde</translation>
    </message>
    <message>
        <source>(The share of foreign coins once mixed is taken from the coins produced: %1, %2.)</source>
        <translation>(Het aandeel buitenlandse munten na volledige vermenging komt uit de geslagen munten: %1, %2.)</translation>
    </message>
</context>
<context>
    <name>PurseResultsView</name>
    <message>
        <source>%1 countings: %2 coins worth %3 Euro, with %4 of the %5 national sides.</source>
        <translation>%1 tellingen: %2 munten ter waarde van %3 euro, met %4 van de %5 nationale zijden.</translation>
    </message>
    <message>
        <source>Foreign national sides: %1 of %2 coins (%3 %).</source>
        <translation>Buitenlandse nationale zijden: %1 van %2 munten (%3 %).</translation>
    </message>
    <message>
        <source>The foreign share needs a euro country as your member country (see &quot;Your settings&quot;), so only the counts are shown.</source>
        <translation>Voor het buitenlandse aandeel moet je lidland een euroland zijn (zie „Je instellingen”); daarom worden alleen de aantallen getoond.</translation>
    </message>
    <message>
        <source>National side</source>
        <translation>Nationale zijde</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>Voor het eerst gezien</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Munten</translation>
    </message>
    <message>
        <source>Your countings</source>
        <translation>Je tellingen</translation>
    </message>
    <message>
        <source>coins counted</source>
        <translation>getelde munten</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>munten</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>buitenlandse munten</translation>
    </message>
    <message>
        <source>foreign share</source>
        <translation>buitenlands aandeel</translation>
    </message>
    <message>
        <source>1 cent</source>
        <translation>1 cent</translation>
    </message>
    <message>
        <source>2 cent</source>
        <translation>2 cent</translation>
    </message>
    <message>
        <source>5 cent</source>
        <translation>5 cent</translation>
    </message>
    <message>
        <source>10 cent</source>
        <translation>10 cent</translation>
    </message>
    <message>
        <source>20 cent</source>
        <translation>20 cent</translation>
    </message>
    <message>
        <source>50 cent</source>
        <translation>50 cent</translation>
    </message>
    <message>
        <source>1 euro</source>
        <translation>1 euro</translation>
    </message>
    <message>
        <source>2 euro</source>
        <translation>2 euro</translation>
    </message>
    <message>
        <source>the %1 of %2</source>
        <translation>%1 uit %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>nog %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Of the %1 national coins (%2 values x %3 national sides) you have seen %4.</source>
        <translation>Van de %1 nationale munten (%2 waarden × %3 nationale zijden) heb je er %4 gezien.</translation>
    </message>
    <message>
        <source>You have seen them all!</source>
        <translation>Je hebt ze allemaal gezien!</translation>
    </message>
    <message>
        <source>At your %1 coins a month, with the coins as the members in %2 meet them, </source>
        <translation>Met jouw %1 munten per maand, en de munten zoals de leden in %2 ze tegenkomen, </translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: the rarest, %1, turn up too seldom there.</source>
        <translation>zul je ze praktisch nooit allemaal gezien hebben: de zeldzaamste, %1, komen daar te weinig voor.</translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: %1 are not among the coins published there.</source>
        <translation>zul je ze praktisch nooit allemaal gezien hebben: %1 zitten niet bij de munten die daar gepubliceerd zijn.</translation>
    </message>
    <message>
        <source>you will have seen all of them in %1 (90%: %2 to %3). The rarest you still need: %4.</source>
        <translation>heb je ze allemaal gezien: %1 (90%: %2 tot %3). De zeldzaamste die je nog mist: %4.</translation>
    </message>
    <message>
        <source>more than %1 years</source>
        <translation>meer dan %1 jaar</translation>
    </message>
    <message>
        <source>Your archive %1 cannot be read (%2), so the countings you have uploaded are missing here. The file is left as it is.</source>
        <translation>Je archief %1 kan niet worden gelezen (%2), dus de tellingen die je hebt verstuurd ontbreken hier. Het bestand blijft zoals het is.</translation>
    </message>
    <message>
        <source>You have not counted a purse yet. Empty your purse, put each coin into the grid of the main window with &quot;Insert&quot; and press &quot;Save purse and QUIT&quot;: your countings then show here.</source>
        <translation>Je hebt nog geen portemonnee geteld. Maak je portemonnee leeg, zet elke munt met „Invoegen” in het raster van het hoofdvenster en druk op „Opslaan en AFSLUITEN”: dan verschijnen je tellingen hier.</translation>
    </message>
    <message>
        <source>When you will have seen every coin follows once the project&apos;s results are read.</source>
        <translation>Wanneer je elke munt gezien zult hebben, volgt zodra de resultaten van het project zijn gelezen.</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporteren...</translation>
    </message>
    <message>
        <source>When you will have seen every coin needs the mix of coins the project publishes for your member country, and there is none.</source>
        <translation>Om te zeggen wanneer je elke munt gezien zult hebben, is de muntmix nodig die het project voor je lidland publiceert, en die is er niet.</translation>
    </message>
    <message>
        <source>Export your countings</source>
        <translation>Je tellingen exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Your countings are saved in %1.</source>
        <translation>Je tellingen zijn opgeslagen in %1.</translation>
    </message>
    <message>
        <source>ZUV cannot export your countings</source>
        <translation>ZUV kan je tellingen niet exporteren</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).

Please choose another folder or name.</source>
        <translation>Het bestand %1 kan niet worden geschreven (%2).

Kies een andere map of naam.</translation>
    </message>
</context>
<context>
    <name>RecommenderNumbersDialog</name>
    <message>
        <source>Recommenders&apos; membernumbers</source>
        <translation>Lidnummers van wie het je aanraadde</translation>
    </message>
    <message>
        <source>Type in the membernumbers of those people who recommended this programm to you. Then later I can show you how far your influence has spread over Europe.</source>
        <translation>Typ de lidnummers in van de mensen die je dit programma hebben aangeraden. Later kan ik je dan laten zien hoe ver je invloed zich over Europa heeft verspreid.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Wrong Membernumber Format</source>
        <translation>Verkeerd formaat van lidnummer</translation>
    </message>
    <message>
        <source>For the recommenders&apos; membernumbers &quot;%1&quot; is a wrong entry.
They have to be (comma-separated) NUMBERs.</source>
        <translation>Bij de lidnummers van wie het je aanraadde is „%1” een verkeerde invoer.
Het moeten (door komma&apos;s gescheiden) GETALLEN zijn.</translation>
    </message>
    <message>
        <source> is no number.</source>
        <translation> is geen getal.</translation>
    </message>
    <message>
        <source>click the to be deleted first</source>
        <translation>klik eerst op wat je wilt verwijderen</translation>
    </message>
</context>
<context>
    <name>ResultsDownload</name>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>het antwoord is groter dan %1 KiB</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>geen antwoord binnen %1 seconden</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>%1 cent</source>
        <translation>%1 cent</translation>
    </message>
    <message>
        <source>%1 euro</source>
        <translation>%1 euro</translation>
    </message>
    <message>
        <source>nothing published there (no coins, or fewer than %1 members counted them)</source>
        <translation>hier is niets gepubliceerd (geen munten, of minder dan %1 leden hebben ze geteld)</translation>
    </message>
    <message>
        <source>Hatched: %1</source>
        <translation>Gearceerd: %1</translation>
    </message>
    <message>
        <source>%1, the model: %2 of the coins foreign once mixed completely</source>
        <translation>%1, het model: %2 van de munten buitenlands na volledige vermenging</translation>
    </message>
    <message>
        <source>%1, %2: %3 of %4 coins foreign</source>
        <translation>%1, %2: %3 van %4 munten buitenlands</translation>
    </message>
    <message>
        <source>Where the coins in each member country come from</source>
        <translation>Waar de munten in elk lidland vandaan komen</translation>
    </message>
    <message>
        <source>%1, coins of %2: not published (none, or fewer than %3 members counted them)</source>
        <translation>%1, munten uit %2: niet gepubliceerd (geen, of minder dan %3 leden hebben ze geteld)</translation>
    </message>
    <message>
        <source>%1, coins of %2: %3 (%4 of %5 coins)</source>
        <translation>%1, munten uit %2: %3 (%4 van %5 munten)</translation>
    </message>
    <message>
        <source>Share of foreign coins by coin value</source>
        <translation>Aandeel buitenlandse munten per muntwaarde</translation>
    </message>
    <message>
        <source>%1: %2 of %3 coins foreign</source>
        <translation>%1: %2 van %3 munten buitenlands</translation>
    </message>
    <message>
        <source>%1: not published (none, or fewer than %2 members counted it)</source>
        <translation>%1: niet gepubliceerd (geen, of minder dan %2 leden hebben hem geteld)</translation>
    </message>
    <message>
        <source>%1 Euro</source>
        <translation>%1 euro</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;lead&quot;&gt;In %1, &lt;b&gt;%2&lt;/b&gt; of the coins our members counted in the euro countries had a national side from another country than their own.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;lead&quot;&gt;In %1 had &lt;b&gt;%2&lt;/b&gt; van de munten die onze leden in de eurolanden telden een nationale zijde uit een ander land dan hun eigen land.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;note&quot;&gt;Nothing that at least %1 members %2 counted in one month is published yet, so no share can be shown.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;note&quot;&gt;Er is nog niets gepubliceerd dat minstens %1 leden %2 in één maand hebben geteld, dus er kan geen aandeel worden getoond.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>not in sight (%1 or later)</source>
        <translation>niet in zicht (%1 of later)</translation>
    </message>
    <message>
        <source>not in sight</source>
        <translation>niet in zicht</translation>
    </message>
    <message>
        <source> or later</source>
        <translation> of later</translation>
    </message>
    <message>
        <source>%1: not enough countings yet (%2)</source>
        <translation>%1: nog te weinig tellingen (%2)</translation>
    </message>
    <message>
        <source>half the coins foreign in %1; </source>
        <translation>helft van de munten buitenlands: %1; </translation>
    </message>
    <message>
        <source>mixed completely in %1</source>
        <translation>helemaal vermengd: %1</translation>
    </message>
    <message>
        <source>When our members guess the coins are mixed completely</source>
        <translation>Wanneer onze leden denken dat de munten helemaal vermengd zijn</translation>
    </message>
    <message>
        <source>the countings</source>
        <translation>de tellingen</translation>
    </message>
    <message>
        <source>%1: %2 members</source>
        <translation>%1: %2 leden</translation>
    </message>
    <message>
        <source>%1: fewer than %2 members</source>
        <translation>%1: minder dan %2 leden</translation>
    </message>
    <message>
        <source>fewer than %1 members guessed so</source>
        <translation>minder dan %1 leden schatten dit</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;When will the coins be mixed completely?&lt;/h2&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Wanneer zijn de munten helemaal vermengd?&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Our members guessed most often &lt;b&gt;%1&lt;/b&gt; (%2 members).</source>
        <translation>&lt;p&gt;Onze leden schatten het vaakst &lt;b&gt;%1&lt;/b&gt; (%2 leden).</translation>
    </message>
    <message>
        <source>&lt;p&gt;Too few of our members guessed yet.</source>
        <translation>&lt;p&gt;Nog te weinig van onze leden hebben een schatting gegeven.</translation>
    </message>
    <message>
        <source> The countings cannot tell yet: no member country has enough of them for the model.&lt;/p&gt;</source>
        <translation> De tellingen kunnen het nog niet zeggen: geen enkel lidland heeft er genoeg voor het model.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> The countings say &lt;b&gt;%1&lt;/b&gt;: the forecast of %2, the median of the %3 member countries the model fits</source>
        <translation> De tellingen zeggen &lt;b&gt;%1&lt;/b&gt;: de voorspelling voor %2, de mediaan van de %3 lidlanden waarop het model past</translation>
    </message>
    <message>
        <source>, which range from %1 to %2.&lt;/p&gt;</source>
        <translation>; ze lopen van %1 tot %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by month&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of coins whose national side is from another country than the member&apos;s own, among the members in the fifteen countries that issue euro coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Buitenlandse munten per maand&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Het aandeel munten waarvan de nationale zijde uit een ander land komt dan dat van het lid, bij de leden in de vijftien landen die euromunten uitgeven.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Share of foreign coins by month, all member countries</source>
        <translation>Aandeel buitenlandse munten per maand, alle lidlanden</translation>
    </message>
    <message>
        <source>All member countries</source>
        <translation>Alle lidlanden</translation>
    </message>
    <message>
        <source>in the euro countries</source>
        <translation>in de eurolanden</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Each member country&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;Coloured: the country; grey: all member countries.</source>
        <translation>&lt;h3&gt;Elk lidland&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;Gekleurd: het land; grijs: alle lidlanden.</translation>
    </message>
    <message>
        <source> For %1, a is not fitted but taken from the coins produced (%2).</source>
        <translation> Voor %1 is a niet gefit maar overgenomen uit de geslagen munten (%2).</translation>
    </message>
    <message>
        <source>Share of foreign coins by month in %1</source>
        <translation>Aandeel buitenlandse munten per maand in %1</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Where the euro coins in our purses come from&lt;/h1&gt;&lt;p&gt;The members of the ZUV project empty their purse now and then and count its coins by the country of each coin&apos;s national side. These are all their countings together, as the project server has them now.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Waar de euromunten in onze portemonnees vandaan komen&lt;/h1&gt;&lt;p&gt;De leden van het ZUV-project maken af en toe hun portemonnee leeg en tellen de munten naar het land van de nationale zijde van elke munt. Dit zijn al hun tellingen samen, zoals de projectserver ze nu heeft.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>members</source>
        <translation>leden</translation>
    </message>
    <message>
        <source>purses counted</source>
        <translation>getelde portemonnees</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>munten</translation>
    </message>
    <message>
        <source>in value</source>
        <translation>aan waarde</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;No coins yet&lt;/h2&gt;&lt;p&gt;Nobody in the fifteen euro coin countries has uploaded a counted purse yet. The charts appear here with the first uploads.&lt;/p&gt;&lt;/section&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Nog geen munten&lt;/h2&gt;&lt;p&gt;In de vijftien landen die euromunten uitgeven heeft nog niemand een getelde portemonnee verstuurd. De grafieken verschijnen hier met de eerste inzendingen.&lt;/p&gt;&lt;/section&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Where the coins in each member country come from&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Each row is a member country, each column a national side: the share of the country&apos;s coins that carry it. Outlined: the country&apos;s own coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Waar de munten in elk lidland vandaan komen&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Elke rij is een lidland, elke kolom een nationale zijde: het aandeel van de munten van het land dat die zijde draagt. Omrand: de eigen munten van het land.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by coin value&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of foreign national sides among the coins of each value.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Buitenlandse munten per muntwaarde&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Het aandeel buitenlandse nationale zijden onder de munten van elke waarde.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;footer&gt;&lt;p&gt;Published once a day. Every number is a sum of cells (a month, a member country, a national side, a coin value) that at least %1 members counted coins in, and a cell changes only once at least %1 members changed it: no participant can be recognised, not even by comparing numbers or days. Hatched: nothing published there. Nothing that names or locates a member is published: no member numbers, postal codes, e-mail addresses, names or messages.&lt;/p&gt;</source>
        <translation>&lt;footer&gt;&lt;p&gt;Eenmaal per dag gepubliceerd. Elk getal is een som van vakjes (een maand, een lidland, een nationale zijde, een muntwaarde) waarin minstens %1 leden munten hebben geteld, en een vakje verandert pas als minstens %1 leden het hebben veranderd: geen deelnemer kan worden herkend, zelfs niet door getallen of dagen te vergelijken. Gearceerd: hier is niets gepubliceerd. Niets wat een lid noemt of lokaliseert wordt gepubliceerd: geen lidnummers, postcodes, e-mailadressen, namen of berichten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published on %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Gepubliceerd op %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nothing has been published yet.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Er is nog niets gepubliceerd.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The numbers behind the charts: &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Open data for researchers: &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV: coins and purses per month, member country, national side and coin value).&lt;/p&gt;&lt;/footer&gt;</source>
        <translation>&lt;p&gt;De getallen achter de grafieken: &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Open data voor onderzoekers: &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV: munten en portemonnees per maand, lidland, nationale zijde en muntwaarde).&lt;/p&gt;&lt;/footer&gt;</translation>
    </message>
    <message>
        <source>ZUV: the project&apos;s results</source>
        <translation>ZUV: de resultaten van het project</translation>
    </message>
    <message>
        <source> Orange: the model fitted to the country&apos;s countings, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) for the share of foreign coins t years after the euro coins came out, a the share once they are mixed completely, b the pace; dashed where it foretells. The band lies between the curves of both ends of the 90% intervals of a and b. Mixed completely: when the share reaches 90% of a. The charts end in 2100.</source>
        <translation> Oranje: het model dat aan de tellingen van het land is gefit, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) voor het aandeel buitenlandse munten t jaar na de komst van de euromunten, met a het aandeel na volledige vermenging en b het tempo; gestippeld waar het voorspelt. De band ligt tussen de krommen van beide uiteinden van de 90%-intervallen van a en b. Helemaal vermengd: als het aandeel 90% van a bereikt. De grafieken eindigen in 2100.</translation>
    </message>
    <message>
        <source>2011-2020</source>
        <translation>2011-2020</translation>
    </message>
    <message>
        <source>2021 or later</source>
        <translation>2021 of later</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>fewer than %1 members (%2)</source>
        <translation>minder dan %1 leden (%2)</translation>
    </message>
    <message>
        <source>less than a year of countings (%1 months)</source>
        <translation>minder dan een jaar aan tellingen (%1 maanden)</translation>
    </message>
    <message>
        <source>the countings do not yet tell the speed of mixing (the forecast&apos;s interval is wider than its time)</source>
        <translation>de tellingen laten nog niet zien hoe snel de munten zich mengen (de marge van de voorspelling is groter dan de tijd zelf)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>ZUV: the results</source>
        <translation>ZUV: de resultaten</translation>
    </message>
    <message>
        <source>The project</source>
        <translation>Het project</translation>
    </message>
    <message>
        <source>Your purse</source>
        <translation>Je portemonnee</translation>
    </message>
</context>
<context>
    <name>ServerAnswer</name>
    <message>
        <source>Some error in Processing Answer - OK flag was not set.</source>
        <translation>Fout bij het verwerken van het antwoord – de OK-vlag was niet gezet.</translation>
    </message>
    <message>
        <source>This can have many reasons. Perhaps, your member number is wrong</source>
        <translation>Dat kan vele oorzaken hebben. Misschien klopt je lidnummer niet</translation>
    </message>
    <message>
        <source>- or there&apos;s some server maintenance going on!</source>
        <translation>– of er wordt onderhoud aan de server gedaan!</translation>
    </message>
    <message>
        <source>I suggest that you try to upload again later or tomorrow, </source>
        <translation>Ik raad je aan het later of morgen opnieuw te versturen; </translation>
    </message>
    <message>
        <source>if the problem persists, please contact the author</source>
        <translation>als het probleem blijft, neem dan contact op met de auteur</translation>
    </message>
    <message>
        <source>or backup and delete your datafile &apos;%1&apos;</source>
        <translation>of maak een reservekopie van je gegevensbestand &apos;%1&apos; en verwijder het</translation>
    </message>
    <message>
        <source>The Server says: &apos;Thanks, member %1&apos;</source>
        <translation>De server zegt: &apos;Bedankt, lid %1&apos;</translation>
    </message>
    <message>
        <source>A personal message for you, member %1:</source>
        <translation>Een persoonlijk bericht voor jou, lid %1:</translation>
    </message>
    <message>
        <source>Minor update successful.</source>
        <translation>Kleine update geslaagd.</translation>
    </message>
    <message>
        <source>Your programversion is %1, there is a new version %2 out now.</source>
        <translation>Je programmaversie is %1, er is nu een nieuwe versie %2.</translation>
    </message>
    <message>
        <source>You should consider to update soon.</source>
        <translation>Je zou binnenkort moeten updaten.</translation>
    </message>
    <message>
        <source>You have to update, this program version is not appropriate anymore.</source>
        <translation>Je moet updaten, deze programmaversie voldoet niet meer.</translation>
    </message>
    <message>
        <source>
Please go to %3</source>
        <translation>
Ga naar %3</translation>
    </message>
    <message>
        <source>New Analysis Data available on the Server: </source>
        <translation>Nieuwe analyses beschikbaar op de server: </translation>
    </message>
    <message>
        <source> %1 pages, %2 text messages and %3 pictures
</source>
        <translation> %1 pagina&apos;s, %2 tekstberichten en %3 afbeeldingen
</translation>
    </message>
    <message>
        <source>The actual status on the server:</source>
        <translation>De huidige stand op de server:</translation>
    </message>
    <message>
        <source># members:  %1</source>
        <translation>Leden:  %1</translation>
    </message>
    <message>
        <source># purses :  %1</source>
        <translation>Portemonnees:  %1</translation>
    </message>
    <message>
        <source>Total Uploaded Sum:  %1 Euro</source>
        <translation>Totaal verstuurd bedrag:  %1 euro</translation>
    </message>
    <message>
        <source>last upload from: %1</source>
        <translation>laatste upload uit: %1</translation>
    </message>
    <message>
        <source>suggested next session around: %1</source>
        <translation>volgende sessie voorgesteld rond: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>ZUV Settings</source>
        <translation>ZUV-instellingen</translation>
    </message>
    <message>
        <source>It is necessary that you give these informations</source>
        <translation>Deze gegevens zijn noodzakelijk</translation>
    </message>
    <message>
        <source>Where are you?</source>
        <translation>Waar ben je?</translation>
    </message>
    <message>
        <source>Very important because the diffusion is &quot;Where?&quot;-dependent</source>
        <translation>Heel belangrijk, want de verspreiding hangt af van het „Waar?”</translation>
    </message>
    <message>
        <source> Country</source>
        <translation> Land</translation>
    </message>
    <message>
        <source>The country where you make most of your transactions</source>
        <translation>Het land waar je de meeste betalingen doet</translation>
    </message>
    <message>
        <source> &amp;Postal Code</source>
        <translation> &amp;Postcode</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits)</source>
        <translation>De postcode van je woonplaats (minstens 2 cijfers)</translation>
    </message>
    <message>
        <source> City Size</source>
        <translation> Grootte woonplaats</translation>
    </message>
    <message>
        <source>Choose the population of your city</source>
        <translation>Kies het inwonertal van je woonplaats</translation>
    </message>
    <message>
        <source>Tell us the population of your city</source>
        <translation>Vertel ons het inwonertal van je woonplaats</translation>
    </message>
    <message>
        <source>Sign this contract</source>
        <translation>Onderteken dit contract</translation>
    </message>
    <message>
        <source>§1: </source>
        <translation>§1: </translation>
    </message>
    <message>
        <source>obligatory !</source>
        <translation>verplicht!</translation>
    </message>
    <message>
        <source>I promise not to send in fake data, because it would endanger the scientific analysis.</source>
        <translation>Ik beloof geen verzonnen gegevens in te sturen, want die zouden de wetenschappelijke analyse in gevaar brengen.</translation>
    </message>
    <message>
        <source>That goes without saying, but please please please keep to this rule!</source>
        <translation>Dat spreekt vanzelf, maar houd je alsjeblieft, alsjeblieft, alsjeblieft aan deze regel!</translation>
    </message>
    <message>
        <source>§2: </source>
        <translation>§2: </translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optioneel</translation>
    </message>
    <message>
        <source>I agree to how I am using this program is observed for research on ergonomics and for improving future versions.</source>
        <translation>Ik ga ermee akkoord dat wordt bekeken hoe ik dit programma gebruik, voor ergonomisch onderzoek en voor betere toekomstige versies.</translation>
    </message>
    <message>
        <source>For example, pressing a button in ZUV is recorded. No harm to you, but very informative for e.g. the programmer who wants to optimize it.</source>
        <translation>Zo wordt bijvoorbeeld vastgelegd wanneer je in ZUV op een knop drukt. Het schaadt je niet, maar is heel leerzaam, bijvoorbeeld voor de programmeur die het wil verbeteren.</translation>
    </message>
    <message>
        <source>Privacy Statement:
All uploaded data will be used for research intentions only. Maximal anonymity is promised!</source>
        <translation>Privacyverklaring:
Alle verstuurde gegevens worden alleen voor onderzoek gebruikt. Maximale anonimiteit is beloofd!</translation>
    </message>
    <message>
        <source>Who told you about this?</source>
        <translation>Wie heeft je hierover verteld?</translation>
    </message>
    <message>
        <source>A recommends it to B and C; C recommends it to D, E and F; F recommends it to G, ... the program spreads by talking about it!</source>
        <translation>A raadt het aan bij B en C; C raadt het aan bij D, E en F; F raadt het aan bij G, ... het programma verspreidt zich doordat mensen erover praten!</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers! If several, separate by comma.</source>
        <translation>Vraag wie het je aanraadde om hun lidnummers! Scheid meerdere nummers met komma&apos;s.</translation>
    </message>
    <message>
        <source>ZUV-Membernumbers</source>
        <translation>ZUV-lidnummers</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers!!! Later we can analyze how the program has spread over the planet!</source>
        <translation>Vraag wie het je aanraadde om hun lidnummers!!! Later kunnen we onderzoeken hoe het programma zich over de planeet heeft verspreid!</translation>
    </message>
    <message>
        <source>several...</source>
        <translation>meerdere...</translation>
    </message>
    <message>
        <source>or use this dialog for inputting several recommenders</source>
        <translation>of gebruik dit venster om meerdere mensen in te voeren</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OF</translation>
    </message>
    <message>
        <source>Or give both, Membernumber and Name, if that organization has mentioned their usernumber</source>
        <translation>Of geef beide, lidnummer en naam, als die organisatie haar nummer heeft genoemd</translation>
    </message>
    <message>
        <source>example: Perhaps you heard about ZUV on the radio? Name the radio station.</source>
        <translation>voorbeeld: misschien heb je op de radio over ZUV gehoord? Noem de zender.</translation>
    </message>
    <message>
        <source>Name of organization</source>
        <translation>Naam van de organisatie</translation>
    </message>
    <message>
        <source>NECESSARY Localization</source>
        <translation>NOODZAKELIJK: plaats</translation>
    </message>
    <message>
        <source>If you want to, I can provide useful services for you. Click here.</source>
        <translation>Als je wilt, kan ik je nuttige diensten bieden. Klik hier.</translation>
    </message>
    <message>
        <source>Service Settings</source>
        <translation>Instellingen van de diensten</translation>
    </message>
    <message>
        <source>You can also order these services on the website  </source>
        <translation>Je kunt deze diensten ook op de website bestellen  </translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>please type in your eMail address if you want me to contact you.</source>
        <translation>typ je e-mailadres in als je wilt dat ik contact met je opneem.</translation>
    </message>
    <message>
        <source>I want reminder messages &quot;Zuvanta!&quot;</source>
        <translation>Ik wil herinneringen „Zuvanta!”</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>wekelijks</translation>
    </message>
    <message>
        <source>bi-monthly</source>
        <translation>tweemaandelijks</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>maandelijks</translation>
    </message>
    <message>
        <source>I want informations about the project (newsletter).</source>
        <translation>Ik wil informatie over het project (nieuwsbrief).</translation>
    </message>
    <message>
        <source>I offer my help for this project.</source>
        <translation>Ik bied mijn hulp aan voor dit project.</translation>
    </message>
    <message>
        <source>I would like to analyze the data.</source>
        <translation>Ik zou graag de gegevens analyseren.</translation>
    </message>
    <message>
        <source>USEFUL Service</source>
        <translation>NUTTIGE diensten</translation>
    </message>
    <message>
        <source>If you want to, you can tell me your opinion about this project. Click.</source>
        <translation>Als je wilt, kun je me je mening over dit project geven. Klik.</translation>
    </message>
    <message>
        <source>Your opinion counts</source>
        <translation>Jouw mening telt</translation>
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
        <translation>2011-2020</translation>
    </message>
    <message>
        <source>2021- ......</source>
        <translation>2021- ......</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
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
        <translation>Augustus</translation>
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
        <translation>December</translation>
    </message>
    <message>
        <source>Please give a guess, when your purse will show the same distribution of countries as the distribution of produced coins ... (when are the European coins mixed completely?)</source>
        <translation>Wanneer denk je dat je portemonnee dezelfde verdeling van landen laat zien als de geslagen munten ... (wanneer zijn de Europese munten helemaal vermengd?)</translation>
    </message>
    <message>
        <source>Please give a guess, when you will have had 
all European coins in your purse once?</source>
        <translation>Wanneer denk je dat je 
alle Europese munten een keer in je portemonnee hebt gehad?</translation>
    </message>
    <message>
        <source>Describe yourself or an idea or leave a message.</source>
        <translation>Beschrijf jezelf of een idee, of laat een bericht achter.</translation>
    </message>
    <message>
        <source>If you want my answer to this comment, you should provide your eMail-address.</source>
        <translation>Als je een antwoord op deze opmerking wilt, vul dan je e-mailadres in.</translation>
    </message>
    <message>
        <source>VOLUNTARY opinion</source>
        <translation>VRIJWILLIG: je mening</translation>
    </message>
    <message>
        <source>On your first upload to the server you become a member!</source>
        <translation>Bij je eerste verzending naar de server word je lid!</translation>
    </message>
    <message>
        <source>Your 
membernumber:</source>
        <translation>Je 
lidnummer:</translation>
    </message>
    <message>
        <source>Why a membernumber? Apart from technical reasons, we can later analyze how this program spread over the planet because of your recommendation!</source>
        <translation>Waarom een lidnummer? Naast technische redenen kunnen we later onderzoeken hoe dit programma zich dankzij jouw aanbeveling over de planeet heeft verspreid!</translation>
    </message>
    <message>
        <source>Whenever you recommend this program, please mention your membernumber.</source>
        <translation>Noem je lidnummer als je dit programma aanraadt.</translation>
    </message>
    <message>
        <source>You joined us on:</source>
        <translation>Lid sinds:</translation>
    </message>
    <message>
        <source>Welcome Message:</source>
        <translation>Welkomstbericht:</translation>
    </message>
    <message>
        <source>Membernumber</source>
        <translation>Lidnummer</translation>
    </message>
    <message>
        <source>Back to old settings</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>resets the settings to the state of the last saving</source>
        <translation>zet de instellingen terug naar de laatst opgeslagen stand</translation>
    </message>
    <message>
        <source>You have to fill in where you are and sign §1 of the contract to participate in the European project &quot;Zuvanta!&quot;.</source>
        <translation>Om mee te doen aan het Europese project „Zuvanta!” moet je invullen waar je bent en §1 van het contract ondertekenen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>save these settings and go back</source>
        <translation>deze instellingen opslaan en teruggaan</translation>
    </message>
</context>
<context>
    <name>SlideShow</name>
    <message>
        <source>previous coin</source>
        <translation>vorige munt</translation>
    </message>
    <message>
        <source>next coin</source>
        <translation>volgende munt</translation>
    </message>
    <message>
        <source>previous country</source>
        <translation>vorig land</translation>
    </message>
    <message>
        <source>next country</source>
        <translation>volgend land</translation>
    </message>
    <message>
        <source>Loading pictures...</source>
        <translation>Afbeeldingen laden...</translation>
    </message>
    <message>
        <source>Abort not possible</source>
        <translation>Afbreken niet mogelijk</translation>
    </message>
    <message>
        <source>Sorry, your version of Qt doesn&apos;t support &apos;%1&apos; files, only these filetypes are supported:
%2
Please re-configure Qt and build it again (or ask your admin)
See &apos; $QTDIR/configure -help | more &apos; for informations how to...

ZUV will work, but you won&apos;t see the coin pictures! What a pity...</source>
        <translation>Helaas ondersteunt je versie van Qt geen &apos;%1&apos;-bestanden, alleen deze bestandstypen:
%2
Configureer Qt opnieuw en bouw het nog eens (of vraag het je beheerder).
Zie &apos; $QTDIR/configure -help | more &apos; voor hoe dat moet...

ZUV werkt wel, maar je ziet de afbeeldingen van de munten niet! Jammer...</translation>
    </message>
    <message>
        <source>Of %1 total coins:%2 files loaded,%3 pictures could not be read.
To have a nicer program, you might want to check the website for more pictures?</source>
        <translation>Van de %1 munten in totaal: %2 bestanden geladen, %3 afbeeldingen konden niet worden gelezen.
Voor een mooier programma kun je op de website naar meer afbeeldingen kijken.</translation>
    </message>
    <message>
        <source>Picture format not supported by Qt</source>
        <translation>Afbeeldingsformaat niet ondersteund door Qt</translation>
    </message>
    <message>
        <source>ZUV: You could download (more) coin pictures</source>
        <translation>ZUV: je kunt (meer) afbeeldingen van munten downloaden</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Niet meer tonen</translation>
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
        <translation>500 - 1.000</translation>
    </message>
    <message>
        <source>1,000 - 5,000</source>
        <translation>1.000 - 5.000</translation>
    </message>
    <message>
        <source>5,000 - 10,000</source>
        <translation>5.000 - 10.000</translation>
    </message>
    <message>
        <source>10,000 - 50,000</source>
        <translation>10.000 - 50.000</translation>
    </message>
    <message>
        <source>50,000 - 100,000</source>
        <translation>50.000 - 100.000</translation>
    </message>
    <message>
        <source>100,000 - 500,000</source>
        <translation>100.000 - 500.000</translation>
    </message>
    <message>
        <source>500,000 - 1,000,000</source>
        <translation>500.000 - 1.000.000</translation>
    </message>
    <message>
        <source>1,000,000 - 5,000,000</source>
        <translation>1.000.000 - 5.000.000</translation>
    </message>
    <message>
        <source>&gt; 5,000,000</source>
        <translation>&gt; 5.000.000</translation>
    </message>
    <message>
        <source>I do not know it</source>
        <translation>Weet ik niet</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>ERROR Usage::StoreEvent : there is no event called %1</source>
        <translation>FOUT Usage::StoreEvent: er is geen gebeurtenis met de naam %1</translation>
    </message>
    <message>
        <source>Time in s</source>
        <translation>Tijd in s</translation>
    </message>
    <message>
        <source>Event ID</source>
        <translation>Gebeurtenisnr.</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Naam van de gebeurtenis</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Event Name</source>
        <translation>Naam van de gebeurtenis</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 sec.</translation>
    </message>
</context>
<context>
    <name>ZUVWindow</name>
    <message>
        <source>Zuvanta - ZUV for Research (v%1 - %1)</source>
        <translation>Zuvanta - ZUV voor onderzoek (v%1 - %1)</translation>
    </message>
    <message>
        <source>-&gt;
&amp;Insert</source>
        <translation>-&gt;
&amp;Invoegen</translation>
    </message>
    <message>
        <source>&lt;-
Take Away</source>
        <translation>&lt;-
Weghalen</translation>
    </message>
    <message>
        <source>Save purse and QUIT</source>
        <translation>Opslaan en AFSLUITEN</translation>
    </message>
    <message>
        <source>Upload purses</source>
        <translation>Portemonnees versturen</translation>
    </message>
    <message>
        <source>Your settings</source>
        <translation>Je instellingen</translation>
    </message>
    <message>
        <source>See the newest
data analysis</source>
        <translation>Bekijk de nieuwste
analyse</translation>
    </message>
    <message>
        <source>about this project</source>
        <translation>over dit project</translation>
    </message>
    <message>
        <source>invite friends</source>
        <translation>vrienden uitnodigen</translation>
    </message>
    <message>
        <source>just QUIT</source>
        <translation>gewoon AFSLUITEN</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Opgeslagen gegevens
negeren.</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Nu afsluiten</translation>
    </message>
    <message>
        <source>The project&apos;s results and your own countings can be shown here, in a window of their own.

Or watch results online: </source>
        <translation>De resultaten van het project en je eigen tellingen kunnen hier in een eigen venster worden getoond.

Of bekijk de resultaten online: </translation>
    </message>
    <message>
        <source>OK, try to open the page now</source>
        <translation>Goed, open de pagina nu</translation>
    </message>
    <message>
        <source>Cancel, I remember the URL</source>
        <translation>Annuleren, ik onthoud het adres</translation>
    </message>
    <message>
        <source>Show the results here</source>
        <translation>Resultaten hier tonen</translation>
    </message>
    <message>
        <source>If you quit now, this table will be lost!

Rather press &apos;SAVE&apos; or &apos;UPLOAD&apos;, if you want to have it stored.</source>
        <translation>Als je nu afsluit, gaat deze tabel verloren!

Druk liever op „OPSLAAN” of „VERSTUREN” als je hem wilt bewaren.</translation>
    </message>
    <message>
        <source>OK, I will not quit</source>
        <translation>Goed, ik sluit niet af</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Toch afsluiten</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the program</source>
        <translation>Goed, ik doe mijn best.
Terug naar het programma</translation>
    </message>
    <message>
        <source>No, quit anyway and
discard my data of this session</source>
        <translation>Nee, toch afsluiten en
de gegevens van deze sessie weggooien</translation>
    </message>
    <message>
        <source>Stored Purses on disk: </source>
        <translation>Opgeslagen portemonnees: </translation>
    </message>
    <message>
        <source>See data analysis</source>
        <translation>Analyse bekijken</translation>
    </message>
    <message>
        <source>file error</source>
        <translation>bestandsfout</translation>
    </message>
    <message>
        <source>ZUV loosing your data</source>
        <translation>ZUV verliest je gegevens</translation>
    </message>
    <message>
        <source>ZUV cannot save your data</source>
        <translation>ZUV kan je gegevens niet opslaan</translation>
    </message>
    <message>
        <source>The results window cannot be opened:
%1</source>
        <translation>Het resultatenvenster kan niet worden geopend:
%1</translation>
    </message>
</context>
</TS>
