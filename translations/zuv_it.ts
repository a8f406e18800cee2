<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>ZUV è un progetto di ricerca che ha bisogno di te!
Si può studiare come si diffondono le monete euro nazionali
se abbastanza persone gentili in tutta Europa dedicano 1-2 minuti alla settimana
o al mese a inserire il contenuto del loro borsellino in questo programma.

Tutti i dati vengono inviati a un server via Internet, poi analizzati,
e l&apos;analisi viene pubblicata il prima possibile.

! Inserisci solo le monete del tuo borsellino di tutti i giorni, non quelle della tua collezione!
! Presto scriverò una versione per i collezionisti, ma per ora inserisci solo monete in circolazione!

Versione del programma %1 (%2)
Copyright (C) 2002 il progetto di ricerca ZUV. Tutti i diritti riservati.
Puoi copiare e distribuire questo programma senza modificarlo e gratuitamente.

Per assistenza tecnica, offerte di sponsorizzazione o notizie,
vedi  %3
</translation>
    </message>
</context>
<context>
    <name>Client</name>
    <message>
        <source>ZUV client (%1) for data transfer to server</source>
        <translation>Programma ZUV (%1) per l&apos;invio dei dati al server</translation>
    </message>
    <message>
        <source>&amp;Open Connection</source>
        <translation>&amp;Apri connessione</translation>
    </message>
    <message>
        <source>Clear &amp;Window</source>
        <translation>&amp;Svuota finestra</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>switch to single operation steps (for BETA only)</source>
        <translation>passa ai singoli passaggi (solo per la BETA)</translation>
    </message>
    <message>
        <source>This is for testing the beta version</source>
        <translation>Serve a provare la versione beta</translation>
    </message>
    <message>
        <source>Set &amp;Server Address</source>
        <translation>Imposta indirizzo del &amp;server</translation>
    </message>
    <message>
        <source>Send &amp;Data</source>
        <translation>Invia &amp;dati</translation>
    </message>
    <message>
        <source>Send &amp;Faulty Format</source>
        <translation>Invia &amp;formato errato</translation>
    </message>
    <message>
        <source>Send &amp;Too Much</source>
        <translation>Invia &amp;troppi dati</translation>
    </message>
    <message>
        <source>Send Old &amp;Version</source>
        <translation>Invia &amp;versione vecchia</translation>
    </message>
    <message>
        <source>Send &amp;Too New Version</source>
        <translation>Invia versione troppo &amp;nuova</translation>
    </message>
    <message>
        <source>&amp;Close Connection</source>
        <translation>&amp;Chiudi connessione</translation>
    </message>
    <message>
        <source>ZUV net error %1</source>
        <translation>Errore di rete ZUV %1</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Esci ora</translation>
    </message>
    <message>
        <source>Socket error number %1 occurred</source>
        <translation>Si è verificato l&apos;errore di socket numero %1</translation>
    </message>
    <message>
        <source>Server changed to  %1:%2 </source>
        <translation>Server cambiato in  %1:%2 </translation>
    </message>
    <message>
        <source>Client had to close the connection %1 for reason %2</source>
        <translation>Il programma ha dovuto chiudere la connessione %1 per il motivo %2</translation>
    </message>
    <message>
        <source>
%1 very proudly presents:
The CLIENT %2 of ZUV v%3 - Please connect to the Server now.
</source>
        <translation>
%1 è orgogliosissimo di presentare:
Il programma %2 di ZUV v%3 – Collegati ora al server.
</translation>
    </message>
    <message>
        <source>Trying to connect to the server...</source>
        <translation>Connessione al server in corso...</translation>
    </message>
    <message>
        <source>starting to send to server...</source>
        <translation>inizio dell&apos;invio al server...</translation>
    </message>
    <message>
        <source>transmission not successful!</source>
        <translation>trasmissione non riuscita!</translation>
    </message>
    <message>
        <source>Hostname found in DNS...</source>
        <translation>Nome host trovato nel DNS...</translation>
    </message>
    <message>
        <source>Host not found in DNS.</source>
        <translation>Host non trovato nel DNS.</translation>
    </message>
    <message>
        <source>Please check Internet connection and try again.</source>
        <translation>Controlla la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>Connected to server</source>
        <translation>Connesso al server</translation>
    </message>
    <message>
        <source>Server cannot be reached at the moment.</source>
        <translation>Al momento il server non è raggiungibile.</translation>
    </message>
    <message>
        <source>Please check your Internet connection and try again (later).</source>
        <translation>Controlla la tua connessione a Internet e riprova (più tardi).</translation>
    </message>
    <message>
        <source>Connection closed by the server. Malfunction, please try again (later).</source>
        <translation>Il server ha chiuso la connessione. Un malfunzionamento: riprova (più tardi).</translation>
    </message>
    <message>
        <source>Connection closed properly</source>
        <translation>Connessione chiusa correttamente</translation>
    </message>
    <message>
        <source>receiving from server...</source>
        <translation>ricezione dal server...</translation>
    </message>
    <message>
        <source>all data arrived from server</source>
        <translation>tutti i dati sono arrivati dal server</translation>
    </message>
    <message>
        <source>Don&apos;t know. Please send an idea to %1</source>
        <translation>Non lo so. Manda un&apos;idea a %1</translation>
    </message>
    <message>
        <source>A problem occurred:
 (%1) %2
Suggested solution:
 %3</source>
        <translation>Si è verificato un problema:
 (%1) %2
Soluzione consigliata:
 %3</translation>
    </message>
    <message>
        <source>Some problem occurred during connection</source>
        <translation>Si è verificato un problema durante la connessione</translation>
    </message>
    <message>
        <source>

Because server answered:
</source>
        <translation>

Perché il server ha risposto:
</translation>
    </message>
    <message>
        <source>Don&apos;t know</source>
        <translation>Non lo so</translation>
    </message>
    <message>
        <source>Communication with Server failed</source>
        <translation>Comunicazione con il server non riuscita</translation>
    </message>
</context>
<context>
    <name>Coin</name>
    <message>
        <source>1c</source>
        <translation>1 cent</translation>
    </message>
    <message>
        <source>2c</source>
        <translation>2 cent</translation>
    </message>
    <message>
        <source>5c</source>
        <translation>5 cent</translation>
    </message>
    <message>
        <source>10c</source>
        <translation>10 cent</translation>
    </message>
    <message>
        <source>20c</source>
        <translation>20 cent</translation>
    </message>
    <message>
        <source>50c</source>
        <translation>50 cent</translation>
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
        <translation>Le monete del tuo borsellino</translation>
    </message>
    <message>
        <source>RESET
this table to 0</source>
        <translation>AZZERA
questa tabella</translation>
    </message>
    <message>
        <source>Euro Coins</source>
        <translation>Monete in euro</translation>
    </message>
    <message>
        <source>Please type in positive NUMBERS only!
The field will be set to 0 now.</source>
        <translation>Inserisci solo NUMERI positivi!
Il campo viene ora azzerato.</translation>
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
        <translation>Faccia comune</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgio</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grecia</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Luxemburg</source>
        <translation>Lussemburgo</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Paesi Bassi</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portogallo</translation>
    </message>
    <message>
        <source>San Marino</source>
        <translation>San Marino</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spagna</translation>
    </message>
    <message>
        <source>Vatican</source>
        <translation>Vaticano</translation>
    </message>
    <message>
        <source>Other European Country</source>
        <translation>Altro paese europeo</translation>
    </message>
    <message>
        <source>North Africa</source>
        <translation>Nordafrica</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Sudafrica</translation>
    </message>
    <message>
        <source>West Asia</source>
        <translation>Asia occidentale</translation>
    </message>
    <message>
        <source>East Asia</source>
        <translation>Asia orientale</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacifico</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>America del Nord</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>America del Sud</translation>
    </message>
    <message>
        <source>Arctis</source>
        <translation>Artide</translation>
    </message>
    <message>
        <source>Antarctis</source>
        <translation>Antartide</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send ZUV invitations to your friends</source>
        <translation>Invia inviti ZUV ai tuoi amici</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the settings.</source>
        <translation>Va bene, faccio del mio meglio.
Torna alle impostazioni.</translation>
    </message>
    <message>
        <source>No, discard my settings changes.</source>
        <translation>No, annulla le mie modifiche.</translation>
    </message>
    <message>
        <source>Before you can upload your data, you are asked 
to fill in some information about you.

</source>
        <translation>Prima di poter inviare i tuoi dati, 
ti chiediamo qualche informazione su di te.

</translation>
    </message>
    <message>
        <source>Your ZUV Settings are not complete!

</source>
        <translation>Le tue impostazioni ZUV non sono complete!

</translation>
    </message>
    <message>
        <source>Please fill in where you are!
The Euro diffusion depends on the location.
</source>
        <translation>Indica dove ti trovi!
La diffusione dell&apos;euro dipende dal luogo.
</translation>
    </message>
    <message>
        <source>This program is part of a scientific research project.
</source>
        <translation>Questo programma fa parte di un progetto di ricerca scientifica.
</translation>
    </message>
    <message>
        <source>Please fill in necessary information</source>
        <translation>Completa le informazioni necessarie</translation>
    </message>
    <message>
        <source>ZUV Settings not complete</source>
        <translation>Impostazioni ZUV incomplete</translation>
    </message>
    <message>
        <source>OK, I do</source>
        <translation>Sì, firmo</translation>
    </message>
    <message>
        <source>No, I don&apos;t</source>
        <translation>No, non firmo</translation>
    </message>
    <message>
        <source>Participation endangered</source>
        <translation>Partecipazione a rischio</translation>
    </message>
    <message>
        <source>Then the program would be terminated now
loosing your data...!</source>
        <translation>Il programma verrebbe chiuso adesso
e i tuoi dati andrebbero persi...!</translation>
    </message>
    <message>
        <source>OK, I want to participate</source>
        <translation>Sì, voglio partecipare</translation>
    </message>
    <message>
        <source>Quit, I don&apos;t participate</source>
        <translation>Esci, non partecipo</translation>
    </message>
    <message>
        <source>Your membership in the ZUV-project</source>
        <translation>La tua adesione al progetto ZUV</translation>
    </message>
    <message>
        <source> &amp;Country, City</source>
        <translation> &amp;Paese, città</translation>
    </message>
    <message>
        <source>Please name your Country and City</source>
        <translation>Indica il tuo paese e la tua città</translation>
    </message>
    <message>
        <source> Postal &amp;Code</source>
        <translation> &amp;Codice postale</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits).</source>
        <translation>Il codice postale della tua città (almeno 2 cifre).</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Ignora i
dati salvati.</translation>
    </message>
    <message>
        <source>Quit now
(loosing new data of today!)</source>
        <translation>Esci ora
(i nuovi dati di oggi andranno persi!)</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please try again</source>
        <translation>Va bene, faccio del mio meglio.
Riprova</translation>
    </message>
    <message>
        <source>No, quit anyway. I don&apos;t need an archive.</source>
        <translation>No, esci comunque. Non mi serve un archivio.</translation>
    </message>
    <message>
        <source>ZUV says thank you</source>
        <translation>ZUV ti ringrazia</translation>
    </message>
    <message>
        <source>Thanks a lot.</source>
        <translation>Grazie mille.</translation>
    </message>
    <message>
        <source>Your data has been saved to %1.</source>
        <translation>I tuoi dati sono stati salvati in %1.</translation>
    </message>
    <message>
        <source>
See you next time...</source>
        <translation>
Alla prossima...</translation>
    </message>
    <message>
        <source>Today featuring ...</source>
        <translation>Oggi in primo piano...</translation>
    </message>
    <message>
        <source>To ensure data quality, you are asked to sign §1 of the contract</source>
        <translation>Per garantire la qualità dei dati, ti chiediamo di firmare il §1 del contratto</translation>
    </message>
    <message>
        <source>If you don&apos;t sign paragraph §1 of the contract,
you can&apos;t participate in this project, sorry.
</source>
        <translation>Se non firmi il §1 del contratto,
purtroppo non puoi partecipare a questo progetto.
</translation>
    </message>
    <message>
        <source>
Optional:
You could enable us to optimize this and other programs
by research on ergonomics. Therefore, it would be very nice,
if you allowed us to log the usage by also signing paragraph §2.</source>
        <translation>
Facoltativo:
Potresti aiutarci a migliorare questo e altri programmi
con la ricerca sull&apos;ergonomia. Perciò ci farebbe molto piacere
se ci permettessi di registrarne l&apos;uso firmando anche il §2.</translation>
    </message>
    <message>
        <source>About (ZUV) Zuvanta!</source>
        <translation>Informazioni su (ZUV) Zuvanta!</translation>
    </message>
    <message>
        <source>WWW:
Project Homepage</source>
        <translation>WWW:
sito del progetto</translation>
    </message>
    <message>
        <source>WWW:
Download new version</source>
        <translation>WWW:
scarica la nuova versione</translation>
    </message>
    <message>
        <source>ZUV cannot save your settings</source>
        <translation>ZUV non riesce a salvare le tue impostazioni</translation>
    </message>
    <message>
        <source>ZUV: archive file error</source>
        <translation>ZUV: errore nel file di archivio</translation>
    </message>
    <message>
        <source>ZUV cannot save your archive</source>
        <translation>ZUV non riesce a salvare il tuo archivio</translation>
    </message>
    <message>
        <source>The connection window cannot be opened:
%1</source>
        <translation>Impossibile aprire la finestra di connessione:
%1</translation>
    </message>
</context>
<context>
    <name>ErrorHelp</name>
    <message>
        <source>Delete your datafile and restart ZUV.</source>
        <translation>Cancella il tuo file dei dati e riavvia ZUV.</translation>
    </message>
    <message>
        <source>It is important that you notify the author of his server malfunction!</source>
        <translation>È importante che tu segnali all&apos;autore il malfunzionamento del suo server!</translation>
    </message>
    <message>
        <source>Use newer programversion! %1</source>
        <translation>Usa una versione più recente del programma! %1</translation>
    </message>
    <message>
        <source>No problem. We just start from scratch.</source>
        <translation>Nessun problema. Ricominciamo semplicemente da zero.</translation>
    </message>
    <message>
        <source>The checksum of the data file/stream is incorrect! Can have many reasons - all fatal!</source>
        <translation>Il checksum del file o del flusso di dati non è corretto! Le cause possono essere tante, tutte fatali!</translation>
    </message>
    <message>
        <source>Download a newer programversion %1</source>
        <translation>Scarica una versione più recente del programma: %1</translation>
    </message>
    <message>
        <source>Perhaps try again later.</source>
        <translation>Magari riprova più tardi.</translation>
    </message>
    <message>
        <source>Doesn&apos;t seem to be a ZUV server on the other side. Misuse? Please tell the author!</source>
        <translation>Dall&apos;altra parte non sembra esserci un server ZUV. Un abuso? Per favore avvisa l&apos;autore!</translation>
    </message>
    <message>
        <source>Try later when the net traffic is not so busy.</source>
        <translation>Riprova più tardi, quando la rete è meno trafficata.</translation>
    </message>
    <message>
        <source>Please download a new version from %1</source>
        <translation>Scarica una nuova versione da %1</translation>
    </message>
    <message>
        <source>A bug. Please contact the author.</source>
        <translation>Un errore del programma. Contatta l&apos;autore.</translation>
    </message>
    <message>
        <source>Your datafile is probably write-protected. Remove that.</source>
        <translation>Il tuo file dei dati è probabilmente protetto da scrittura. Togli la protezione.</translation>
    </message>
    <message>
        <source>Very strange - please tell the author!</source>
        <translation>Molto strano: per favore avvisa l&apos;autore!</translation>
    </message>
    <message>
        <source>Try again tomorrow (best), contact the author (good) or delete your datafile (not so good)</source>
        <translation>Riprova domani (la cosa migliore), contatta l&apos;autore (bene) o cancella il tuo file dei dati (non tanto bene)</translation>
    </message>
    <message>
        <source>No working Internet connection on your side. Fix it . OR: No server running. Nothing you can do now. Please try again later. </source>
        <translation>La tua connessione a Internet non funziona. Sistemala. OPPURE: il server non è attivo. Per ora non puoi farci nulla. Riprova più tardi. </translation>
    </message>
    <message>
        <source>Not a problem at all. Your data has been uploaded successfully!</source>
        <translation>Nessun problema. I tuoi dati sono stati inviati correttamente!</translation>
    </message>
    <message>
        <source>Probably best idea to get a newer programversion or describe the problem to the author.</source>
        <translation>Probabilmente conviene procurarsi una versione più recente del programma o descrivere il problema all&apos;autore.</translation>
    </message>
    <message>
        <source>Please try again later or contact the author.</source>
        <translation>Riprova più tardi o contatta l&apos;autore.</translation>
    </message>
    <message>
        <source>Your client doesn&apos;t understand the server anymore. New version from %1 !</source>
        <translation>Il tuo programma non capisce più il server. Trovi una nuova versione su %1!</translation>
    </message>
    <message>
        <source>

Please write a short message
with a description of this problem
to %1</source>
        <translation>

Scrivi un breve messaggio
con una descrizione del problema
a %1</translation>
    </message>
    <message>
        <source>
Possible solution:
</source>
        <translation>
Possibile soluzione:
</translation>
    </message>
</context>
<context>
    <name>FatalError</name>
    <message>
        <source>ZUV fatal logical error</source>
        <translation>ZUV: errore logico fatale</translation>
    </message>
    <message>
        <source>ZUV fatal file error</source>
        <translation>ZUV: errore fatale nei file</translation>
    </message>
    <message>
        <source>ZUV fatal network error</source>
        <translation>ZUV: errore di rete fatale</translation>
    </message>
    <message>
        <source>ZUV fatal stream error</source>
        <translation>ZUV: errore fatale nel flusso di dati</translation>
    </message>
    <message>
        <source>ZUV fatal error</source>
        <translation>ZUV: errore fatale</translation>
    </message>
    <message>
        <source>ZUV unknown error</source>
        <translation>ZUV: errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>Invitations</name>
    <message>
        <source>Invite by zuvmail to join the project and to mention 
YOUR membernumber as their recommender.
</source>
        <translation>Invita via zuvmail a partecipare al progetto indicando 
il TUO numero di membro come chi l&apos;ha consigliato.
</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>Moneta</translation>
    </message>
    <message>
        <source>&amp;insert</source>
        <translation>&amp;inserisci</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>inviato</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>rimuovi</translation>
    </message>
    <message>
        <source>Send your favourite coin
in the zuvmail postcard:</source>
        <translation>Manda la tua moneta preferita
nella cartolina zuvmail:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This is not a valid
%1</source>
        <translation>Questo non è un indirizzo valido
%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;
is not a valid
%2</source>
        <translation>«%1»
non è un indirizzo valido
%2</translation>
    </message>
    <message>
        <source>first click the to
be deleted person</source>
        <translation>prima fai clic sulla
persona da eliminare</translation>
    </message>
    <message>
        <source>Sorry, that invitation
was already uploaded.</source>
        <translation>Spiacente, questo invito
è già stato inviato.</translation>
    </message>
</context>
<context>
    <name>ProjectResultsView</name>
    <message>
        <source>You guessed %1.</source>
        <translation>La tua previsione: %1.</translation>
    </message>
    <message>
        <source>You guessed 2011-2020.</source>
        <translation>La tua previsione: 2011-2020.</translation>
    </message>
    <message>
        <source>You guessed 2021 or later.</source>
        <translation>La tua previsione: 2021 o più tardi.</translation>
    </message>
    <message>
        <source>You guessed never.</source>
        <translation>La tua previsione: mai.</translation>
    </message>
    <message>
        <source>You have not guessed yet (&quot;Your settings&quot;).</source>
        <translation>Non hai ancora fatto una previsione («Le tue impostazioni»).</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>The project&apos;s results cannot be downloaded from %1: %2.
The project server may be out of reach just now; try again in a while.</source>
        <translation>Impossibile scaricare i risultati del progetto da %1: %2.
Il server del progetto forse non è raggiungibile in questo momento; riprova fra un po&apos;.</translation>
    </message>
    <message>
        <source>Loading the project&apos;s results from %1 ...</source>
        <translation>Caricamento dei risultati del progetto da %1...</translation>
    </message>
    <message>
        <source>The answer from %1 cannot be read as the project&apos;s results (%2).</source>
        <translation>La risposta di %1 non si può leggere come risultati del progetto (%2).</translation>
    </message>
    <message>
        <source>%1 members have counted %2 purses so far; published: %3 coins worth %4 Euro.</source>
        <translation>%1 membri hanno contato finora %2 borsellini; pubblicate: %3 monete per un valore di %4 euro.</translation>
    </message>
    <message>
        <source>Published on %1, once a day.</source>
        <translation>Pubblicato il %1, una volta al giorno.</translation>
    </message>
    <message>
        <source>%1 Nothing published: a number is published only where at least %2 members counted coins, so that no participant can be recognised.</source>
        <translation>%1 Nulla di pubblicato: un numero viene pubblicato solo dove almeno %2 membri hanno contato monete, così che nessun partecipante possa essere riconosciuto.</translation>
    </message>
    <message>
        <source>Foreign share by month</source>
        <translation>Quota estera per mese</translation>
    </message>
    <message>
        <source>Foreign share by month: nothing published yet</source>
        <translation>Quota estera per mese: ancora nulla di pubblicato</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>monete estere</translation>
    </message>
    <message>
        <source>your guess</source>
        <translation>la tua previsione</translation>
    </message>
    <message>
        <source>90% interval</source>
        <translation>intervallo al 90%</translation>
    </message>
    <message>
        <source>model for %1</source>
        <translation>modello per %1</translation>
    </message>
    <message>
        <source>All euro countries</source>
        <translation>Tutti i paesi dell&apos;euro</translation>
    </message>
    <message>
        <source>No forecast of the mixing is published for your member country.</source>
        <translation>Per il tuo paese di adesione non è pubblicata alcuna previsione del rimescolamento.</translation>
    </message>
    <message>
        <source>%1: not enough countings yet for a forecast of the mixing (%2).</source>
        <translation>%1: ancora troppo pochi conteggi per prevedere il rimescolamento (%2).</translation>
    </message>
    <message>
        <source>half the coins foreign in %1</source>
        <translation>metà delle monete estere: %1</translation>
    </message>
    <message>
        <source>half-way mixed in %1</source>
        <translation>rimescolate a metà: %1</translation>
    </message>
    <message>
        <source>%1: %2; mixed completely in %3.</source>
        <translation>%1: %2; del tutto rimescolate: %3.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (fewer than %2)</source>
        <translation>%1 (meno di %2)</translation>
    </message>
    <message>
        <source>Our members&apos; guesses: %1</source>
        <translation>Le previsioni dei nostri membri: %1</translation>
    </message>
    <message>
        <source>; the countings say %1.</source>
        <translation>; i conteggi dicono %1.</translation>
    </message>
    <message>
        <source>Where the coins come from: nothing published yet</source>
        <translation>Da dove vengono le monete: ancora nulla di pubblicato</translation>
    </message>
    <message>
        <source>Where the coins in %1 come from: %2 not published</source>
        <translation>Da dove vengono le monete in %1: %2 non pubblicato</translation>
    </message>
    <message>
        <source>Where the %1 coins in %2 come from</source>
        <translation>Da dove vengono le %1 monete in %2</translation>
    </message>
    <message>
        <source>share of the coins</source>
        <translation>quota delle monete</translation>
    </message>
    <message>
        <source>Foreign share by coin value</source>
        <translation>Quota estera per valore della moneta</translation>
    </message>
    <message>
        <source>(The share of foreign coins once mixed is taken from the coins produced: %1, %2.)</source>
        <translation>(La quota di monete estere a rimescolamento completo è ricavata dalle monete coniate: %1, %2.)</translation>
    </message>
</context>
<context>
    <name>PurseResultsView</name>
    <message>
        <source>%1 countings: %2 coins worth %3 Euro, with %4 of the %5 national sides.</source>
        <translation>%1 conteggi: %2 monete per un valore di %3 euro, con %4 delle %5 facce nazionali.</translation>
    </message>
    <message>
        <source>Foreign national sides: %1 of %2 coins (%3 %).</source>
        <translation>Facce nazionali estere: %1 su %2 monete (%3 %).</translation>
    </message>
    <message>
        <source>The foreign share needs a euro country as your member country (see &quot;Your settings&quot;), so only the counts are shown.</source>
        <translation>Per la quota estera il tuo paese di adesione deve essere un paese dell&apos;euro (vedi «Le tue impostazioni»), perciò vengono mostrati solo i numeri.</translation>
    </message>
    <message>
        <source>National side</source>
        <translation>Faccia nazionale</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>Vista la prima volta</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Monete</translation>
    </message>
    <message>
        <source>Your countings</source>
        <translation>I tuoi conteggi</translation>
    </message>
    <message>
        <source>coins counted</source>
        <translation>monete contate</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>monete</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>monete estere</translation>
    </message>
    <message>
        <source>foreign share</source>
        <translation>quota estera</translation>
    </message>
    <message>
        <source>1 cent</source>
        <translation>1 centesimo</translation>
    </message>
    <message>
        <source>2 cent</source>
        <translation>2 centesimi</translation>
    </message>
    <message>
        <source>5 cent</source>
        <translation>5 centesimi</translation>
    </message>
    <message>
        <source>10 cent</source>
        <translation>10 centesimi</translation>
    </message>
    <message>
        <source>20 cent</source>
        <translation>20 centesimi</translation>
    </message>
    <message>
        <source>50 cent</source>
        <translation>50 centesimi</translation>
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
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>altre %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Of the %1 national coins (%2 values x %3 national sides) you have seen %4.</source>
        <translation>Delle %1 monete nazionali (%2 valori × %3 facce nazionali) ne hai viste %4.</translation>
    </message>
    <message>
        <source>You have seen them all!</source>
        <translation>Le hai viste tutte!</translation>
    </message>
    <message>
        <source>At your %1 coins a month, with the coins as the members in %2 meet them, </source>
        <translation>Con le tue %1 monete al mese, e le monete come le incontrano i membri in %2, </translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: the rarest, %1, turn up too seldom there.</source>
        <translation>non le avrai praticamente mai viste tutte: le più rare, %1, lì compaiono troppo di rado.</translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: %1 are not among the coins published there.</source>
        <translation>non le avrai praticamente mai viste tutte: %1 non sono tra le monete pubblicate lì.</translation>
    </message>
    <message>
        <source>you will have seen all of them in %1 (90%: %2 to %3). The rarest you still need: %4.</source>
        <translation>le avrai viste tutte: %1 (90%: da %2 a %3). Le più rare che ti mancano ancora: %4.</translation>
    </message>
    <message>
        <source>more than %1 years</source>
        <translation>più di %1 anni</translation>
    </message>
    <message>
        <source>Your archive %1 cannot be read (%2), so the countings you have uploaded are missing here. The file is left as it is.</source>
        <translation>Il tuo archivio %1 non si può leggere (%2), quindi qui mancano i conteggi che hai inviato. Il file resta com&apos;è.</translation>
    </message>
    <message>
        <source>You have not counted a purse yet. Empty your purse, put each coin into the grid of the main window with &quot;Insert&quot; and press &quot;Save purse and QUIT&quot;: your countings then show here.</source>
        <translation>Non hai ancora contato un borsellino. Svuota il borsellino, inserisci ogni moneta nella griglia della finestra principale con «Inserisci» e premi «Salva ed ESCI»: i tuoi conteggi appariranno qui.</translation>
    </message>
    <message>
        <source>When you will have seen every coin follows once the project&apos;s results are read.</source>
        <translation>Quando avrai visto ogni moneta apparirà non appena saranno letti i risultati del progetto.</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>When you will have seen every coin needs the mix of coins the project publishes for your member country, and there is none.</source>
        <translation>Per dire quando avrai visto ogni moneta serve il miscuglio di monete che il progetto pubblica per il tuo paese di adesione, e non ce n&apos;è.</translation>
    </message>
    <message>
        <source>Export your countings</source>
        <translation>Esporta i tuoi conteggi</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Your countings are saved in %1.</source>
        <translation>I tuoi conteggi sono salvati in %1.</translation>
    </message>
    <message>
        <source>ZUV cannot export your countings</source>
        <translation>ZUV non può esportare i tuoi conteggi</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).

Please choose another folder or name.</source>
        <translation>Impossibile scrivere il file %1 (%2).

Scegli un&apos;altra cartella o un altro nome.</translation>
    </message>
</context>
<context>
    <name>RecommenderNumbersDialog</name>
    <message>
        <source>Recommenders&apos; membernumbers</source>
        <translation>Numeri di membro di chi ti ha consigliato</translation>
    </message>
    <message>
        <source>Type in the membernumbers of those people who recommended this programm to you. Then later I can show you how far your influence has spread over Europe.</source>
        <translation>Inserisci i numeri di membro delle persone che ti hanno consigliato questo programma. Più avanti potrò mostrarti fin dove si è estesa la tua influenza in Europa.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Wrong Membernumber Format</source>
        <translation>Formato del numero di membro errato</translation>
    </message>
    <message>
        <source>For the recommenders&apos; membernumbers &quot;%1&quot; is a wrong entry.
They have to be (comma-separated) NUMBERs.</source>
        <translation>Tra i numeri di membro di chi ti ha consigliato, «%1» è una voce errata.
Devono essere NUMERI (separati da virgole).</translation>
    </message>
    <message>
        <source> is no number.</source>
        <translation> non è un numero.</translation>
    </message>
    <message>
        <source>click the to be deleted first</source>
        <translation>prima fai clic sulla voce da eliminare</translation>
    </message>
</context>
<context>
    <name>ResultsDownload</name>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>la risposta supera %1 KiB</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>nessuna risposta entro %1 secondi</translation>
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
        <translation>qui non è pubblicato nulla (nessuna moneta, o meno di %1 membri le hanno contate)</translation>
    </message>
    <message>
        <source>Hatched: %1</source>
        <translation>Tratteggiato: %1</translation>
    </message>
    <message>
        <source>%1, the model: %2 of the coins foreign once mixed completely</source>
        <translation>%1, il modello: %2 delle monete estere a rimescolamento completo</translation>
    </message>
    <message>
        <source>%1, %2: %3 of %4 coins foreign</source>
        <translation>%1, %2: %3 su %4 monete estere</translation>
    </message>
    <message>
        <source>Where the coins in each member country come from</source>
        <translation>Da dove vengono le monete in ogni paese di adesione</translation>
    </message>
    <message>
        <source>%1, coins of %2: not published (none, or fewer than %3 members counted them)</source>
        <translation>%1, monete di %2: non pubblicato (nessuna, o meno di %3 membri le hanno contate)</translation>
    </message>
    <message>
        <source>%1, coins of %2: %3 (%4 of %5 coins)</source>
        <translation>%1, monete di %2: %3 (%4 su %5 monete)</translation>
    </message>
    <message>
        <source>Share of foreign coins by coin value</source>
        <translation>Quota di monete estere per valore della moneta</translation>
    </message>
    <message>
        <source>%1: %2 of %3 coins foreign</source>
        <translation>%1: %2 su %3 monete estere</translation>
    </message>
    <message>
        <source>%1: not published (none, or fewer than %2 members counted it)</source>
        <translation>%1: non pubblicato (nessuna, o meno di %2 membri l&apos;hanno contata)</translation>
    </message>
    <message>
        <source>%1 Euro</source>
        <translation>%1 euro</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;lead&quot;&gt;In %1, &lt;b&gt;%2&lt;/b&gt; of the coins our members counted in the euro countries had a national side from another country than their own.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;lead&quot;&gt;A %1, &lt;b&gt;%2&lt;/b&gt; delle monete contate dai nostri membri nei paesi dell&apos;euro avevano una faccia nazionale di un paese diverso dal loro.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;note&quot;&gt;Nothing that at least %1 members %2 counted in one month is published yet, so no share can be shown.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;note&quot;&gt;Non è ancora pubblicato nulla che almeno %1 membri abbiano contato %2 in un mese, quindi non si può mostrare alcuna quota.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>not in sight (%1 or later)</source>
        <translation>non in vista (%1 o più tardi)</translation>
    </message>
    <message>
        <source>not in sight</source>
        <translation>non in vista</translation>
    </message>
    <message>
        <source> or later</source>
        <translation> o più tardi</translation>
    </message>
    <message>
        <source>%1: not enough countings yet (%2)</source>
        <translation>%1: ancora troppo pochi conteggi (%2)</translation>
    </message>
    <message>
        <source>half the coins foreign in %1; </source>
        <translation>metà delle monete estere: %1; </translation>
    </message>
    <message>
        <source>mixed completely in %1</source>
        <translation>del tutto rimescolate: %1</translation>
    </message>
    <message>
        <source>When our members guess the coins are mixed completely</source>
        <translation>Quando i nostri membri pensano che le monete saranno del tutto rimescolate</translation>
    </message>
    <message>
        <source>the countings</source>
        <translation>i conteggi</translation>
    </message>
    <message>
        <source>%1: %2 members</source>
        <translation>%1: %2 membri</translation>
    </message>
    <message>
        <source>%1: fewer than %2 members</source>
        <translation>%1: meno di %2 membri</translation>
    </message>
    <message>
        <source>fewer than %1 members guessed so</source>
        <translation>meno di %1 membri hanno previsto così</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;When will the coins be mixed completely?&lt;/h2&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Quando saranno del tutto rimescolate le monete?&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Our members guessed most often &lt;b&gt;%1&lt;/b&gt; (%2 members).</source>
        <translation>&lt;p&gt;La previsione più frequente dei nostri membri è &lt;b&gt;%1&lt;/b&gt; (%2 membri).</translation>
    </message>
    <message>
        <source>&lt;p&gt;Too few of our members guessed yet.</source>
        <translation>&lt;p&gt;Finora troppo pochi dei nostri membri hanno fatto una previsione.</translation>
    </message>
    <message>
        <source> The countings cannot tell yet: no member country has enough of them for the model.&lt;/p&gt;</source>
        <translation> I conteggi non possono ancora dirlo: nessun paese di adesione ne ha abbastanza per il modello.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> The countings say &lt;b&gt;%1&lt;/b&gt;: the forecast of %2, the median of the %3 member countries the model fits</source>
        <translation> I conteggi dicono &lt;b&gt;%1&lt;/b&gt;: la previsione per %2, la mediana dei %3 paesi di adesione a cui il modello si adatta</translation>
    </message>
    <message>
        <source>, which range from %1 to %2.&lt;/p&gt;</source>
        <translation>; vanno da %1 a %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by month&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of coins whose national side is from another country than the member&apos;s own, among the members in the fifteen countries that issue euro coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Monete estere per mese&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;La quota di monete la cui faccia nazionale viene da un paese diverso da quello del membro, tra i membri dei quindici paesi che emettono monete in euro.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Share of foreign coins by month, all member countries</source>
        <translation>Quota di monete estere per mese, tutti i paesi di adesione</translation>
    </message>
    <message>
        <source>All member countries</source>
        <translation>Tutti i paesi di adesione</translation>
    </message>
    <message>
        <source>in the euro countries</source>
        <translation>nei paesi dell&apos;euro</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Each member country&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;Coloured: the country; grey: all member countries.</source>
        <translation>&lt;h3&gt;Ogni paese di adesione&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;A colori: il paese; in grigio: tutti i paesi di adesione.</translation>
    </message>
    <message>
        <source> For %1, a is not fitted but taken from the coins produced (%2).</source>
        <translation> Per %1, a non è adattato ma ricavato dalle monete coniate (%2).</translation>
    </message>
    <message>
        <source>Share of foreign coins by month in %1</source>
        <translation>Quota di monete estere per mese in %1</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Where the euro coins in our purses come from&lt;/h1&gt;&lt;p&gt;The members of the ZUV project empty their purse now and then and count its coins by the country of each coin&apos;s national side. These are all their countings together, as the project server has them now.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Da dove vengono le monete in euro nei nostri borsellini&lt;/h1&gt;&lt;p&gt;I membri del progetto ZUV ogni tanto svuotano il borsellino e ne contano le monete secondo il paese della faccia nazionale di ciascuna. Questi sono tutti i loro conteggi insieme, come li ha ora il server del progetto.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>members</source>
        <translation>membri</translation>
    </message>
    <message>
        <source>purses counted</source>
        <translation>borsellini contati</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>monete</translation>
    </message>
    <message>
        <source>in value</source>
        <translation>di valore</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;No coins yet&lt;/h2&gt;&lt;p&gt;Nobody in the fifteen euro coin countries has uploaded a counted purse yet. The charts appear here with the first uploads.&lt;/p&gt;&lt;/section&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Ancora nessuna moneta&lt;/h2&gt;&lt;p&gt;Nei quindici paesi che emettono monete in euro nessuno ha ancora inviato un borsellino contato. I grafici appariranno qui con i primi invii.&lt;/p&gt;&lt;/section&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Where the coins in each member country come from&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Each row is a member country, each column a national side: the share of the country&apos;s coins that carry it. Outlined: the country&apos;s own coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Da dove vengono le monete in ogni paese di adesione&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Ogni riga è un paese di adesione, ogni colonna una faccia nazionale: la quota di monete del paese che la portano. Riquadrate: le monete del paese stesso.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by coin value&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of foreign national sides among the coins of each value.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Monete estere per valore&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;La quota di facce nazionali estere tra le monete di ciascun valore.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;footer&gt;&lt;p&gt;Published once a day. Every number is a sum of cells (a month, a member country, a national side, a coin value) that at least %1 members counted coins in, and a cell changes only once at least %1 members changed it: no participant can be recognised, not even by comparing numbers or days. Hatched: nothing published there. Nothing that names or locates a member is published: no member numbers, postal codes, e-mail addresses, names or messages.&lt;/p&gt;</source>
        <translation>&lt;footer&gt;&lt;p&gt;Pubblicato una volta al giorno. Ogni numero è una somma di caselle (un mese, un paese di adesione, una faccia nazionale, un valore di moneta) in cui almeno %1 membri hanno contato monete, e una casella cambia solo quando almeno %1 membri l&apos;hanno modificata: nessun partecipante può essere riconosciuto, nemmeno confrontando numeri o giorni. Tratteggiato: qui non è pubblicato nulla. Non viene pubblicato nulla che nomini o localizzi un membro: niente numeri di membro, codici postali, indirizzi e-mail, nomi o messaggi.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published on %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Pubblicato il %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nothing has been published yet.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Non è ancora stato pubblicato nulla.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The numbers behind the charts: &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Open data for researchers: &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV: coins and purses per month, member country, national side and coin value).&lt;/p&gt;&lt;/footer&gt;</source>
        <translation>&lt;p&gt;I numeri dietro i grafici: &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Dati aperti per la ricerca: &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV: monete e borsellini per mese, paese di adesione, faccia nazionale e valore della moneta).&lt;/p&gt;&lt;/footer&gt;</translation>
    </message>
    <message>
        <source>ZUV: the project&apos;s results</source>
        <translation>ZUV: i risultati del progetto</translation>
    </message>
    <message>
        <source> Orange: the model fitted to the country&apos;s countings, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) for the share of foreign coins t years after the euro coins came out, a the share once they are mixed completely, b the pace; dashed where it foretells. The band lies between the curves of both ends of the 90% intervals of a and b. Mixed completely: when the share reaches 90% of a. The charts end in 2100.</source>
        <translation> Arancione: il modello adattato ai conteggi del paese, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) per la quota di monete estere t anni dopo l&apos;arrivo delle monete in euro, dove a è la quota a rimescolamento completo e b il ritmo; tratteggiato dove è una previsione. La fascia sta tra le curve dei due estremi degli intervalli al 90% di a e b. Del tutto rimescolate: quando la quota raggiunge il 90% di a. I grafici finiscono nel 2100.</translation>
    </message>
    <message>
        <source>2011-2020</source>
        <translation>2011-2020</translation>
    </message>
    <message>
        <source>2021 or later</source>
        <translation>2021 o più tardi</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>fewer than %1 members (%2)</source>
        <translation>meno di %1 membri (%2)</translation>
    </message>
    <message>
        <source>less than a year of countings (%1 months)</source>
        <translation>meno di un anno di conteggi (%1 mesi)</translation>
    </message>
    <message>
        <source>the countings do not yet tell the speed of mixing (the forecast&apos;s interval is wider than its time)</source>
        <translation>i conteggi non dicono ancora quanto velocemente si mescolano le monete (l&apos;intervallo della previsione è più ampio del tempo previsto)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>ZUV: the results</source>
        <translation>ZUV: i risultati</translation>
    </message>
    <message>
        <source>The project</source>
        <translation>Il progetto</translation>
    </message>
    <message>
        <source>Your purse</source>
        <translation>Il tuo borsellino</translation>
    </message>
</context>
<context>
    <name>ServerAnswer</name>
    <message>
        <source>Some error in Processing Answer - OK flag was not set.</source>
        <translation>Errore nell&apos;elaborazione della risposta: il flag OK non era impostato.</translation>
    </message>
    <message>
        <source>This can have many reasons. Perhaps, your member number is wrong</source>
        <translation>Le cause possono essere tante. Forse il tuo numero di socio è sbagliato</translation>
    </message>
    <message>
        <source>- or there&apos;s some server maintenance going on!</source>
        <translation>- oppure è in corso una manutenzione del server!</translation>
    </message>
    <message>
        <source>I suggest that you try to upload again later or tomorrow, </source>
        <translation>Ti consiglio di riprovare l&apos;invio più tardi o domani; </translation>
    </message>
    <message>
        <source>if the problem persists, please contact the author</source>
        <translation>se il problema persiste, contatta l&apos;autore</translation>
    </message>
    <message>
        <source>or backup and delete your datafile &apos;%1&apos;</source>
        <translation>oppure fai una copia del tuo file dei dati &apos;%1&apos; e cancellalo</translation>
    </message>
    <message>
        <source>The Server says: &apos;Thanks, member %1&apos;</source>
        <translation>Il server dice: «Grazie, socio %1»</translation>
    </message>
    <message>
        <source>A personal message for you, member %1:</source>
        <translation>Un messaggio personale per te, socio %1:</translation>
    </message>
    <message>
        <source>Minor update successful.</source>
        <translation>Piccolo aggiornamento riuscito.</translation>
    </message>
    <message>
        <source>Your programversion is %1, there is a new version %2 out now.</source>
        <translation>La tua versione del programma è la %1, ora è uscita la nuova versione %2.</translation>
    </message>
    <message>
        <source>You should consider to update soon.</source>
        <translation>Dovresti pensare ad aggiornare presto.</translation>
    </message>
    <message>
        <source>You have to update, this program version is not appropriate anymore.</source>
        <translation>Devi aggiornare: questa versione del programma non è più adatta.</translation>
    </message>
    <message>
        <source>
Please go to %3</source>
        <translation>
Vai su %3</translation>
    </message>
    <message>
        <source>New Analysis Data available on the Server: </source>
        <translation>Nuove analisi disponibili sul server: </translation>
    </message>
    <message>
        <source> %1 pages, %2 text messages and %3 pictures
</source>
        <translation> %1 pagine, %2 messaggi di testo e %3 immagini
</translation>
    </message>
    <message>
        <source>The actual status on the server:</source>
        <translation>La situazione attuale sul server:</translation>
    </message>
    <message>
        <source># members:  %1</source>
        <translation>Soci:  %1</translation>
    </message>
    <message>
        <source># purses :  %1</source>
        <translation>Borsellini:  %1</translation>
    </message>
    <message>
        <source>Total Uploaded Sum:  %1 Euro</source>
        <translation>Somma totale inviata:  %1 euro</translation>
    </message>
    <message>
        <source>last upload from: %1</source>
        <translation>ultimo invio da: %1</translation>
    </message>
    <message>
        <source>suggested next session around: %1</source>
        <translation>prossima sessione consigliata verso il: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>ZUV Settings</source>
        <translation>Impostazioni ZUV</translation>
    </message>
    <message>
        <source>It is necessary that you give these informations</source>
        <translation>Queste informazioni sono necessarie</translation>
    </message>
    <message>
        <source>Where are you?</source>
        <translation>Dove ti trovi?</translation>
    </message>
    <message>
        <source>Very important because the diffusion is &quot;Where?&quot;-dependent</source>
        <translation>Molto importante, perché la diffusione dipende dal «Dove?»</translation>
    </message>
    <message>
        <source> Country</source>
        <translation> Paese</translation>
    </message>
    <message>
        <source>The country where you make most of your transactions</source>
        <translation>Il paese in cui fai la maggior parte dei tuoi pagamenti</translation>
    </message>
    <message>
        <source> &amp;Postal Code</source>
        <translation> &amp;Codice postale</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits)</source>
        <translation>Il codice postale della tua città (almeno 2 cifre)</translation>
    </message>
    <message>
        <source> City Size</source>
        <translation> Dimensione città</translation>
    </message>
    <message>
        <source>Choose the population of your city</source>
        <translation>Scegli la popolazione della tua città</translation>
    </message>
    <message>
        <source>Tell us the population of your city</source>
        <translation>Indicaci la popolazione della tua città</translation>
    </message>
    <message>
        <source>Sign this contract</source>
        <translation>Firma questo contratto</translation>
    </message>
    <message>
        <source>§1: </source>
        <translation>§1: </translation>
    </message>
    <message>
        <source>obligatory !</source>
        <translation>obbligatorio!</translation>
    </message>
    <message>
        <source>I promise not to send in fake data, because it would endanger the scientific analysis.</source>
        <translation>Prometto di non inviare dati falsi, perché metterebbero a rischio l&apos;analisi scientifica.</translation>
    </message>
    <message>
        <source>That goes without saying, but please please please keep to this rule!</source>
        <translation>Va da sé, ma per favore, per favore, per favore rispetta questa regola!</translation>
    </message>
    <message>
        <source>§2: </source>
        <translation>§2: </translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facoltativo</translation>
    </message>
    <message>
        <source>I agree to how I am using this program is observed for research on ergonomics and for improving future versions.</source>
        <translation>Accetto che il modo in cui uso questo programma venga osservato per la ricerca sull&apos;ergonomia e per migliorare le versioni future.</translation>
    </message>
    <message>
        <source>For example, pressing a button in ZUV is recorded. No harm to you, but very informative for e.g. the programmer who wants to optimize it.</source>
        <translation>Per esempio viene registrato ogni pulsante premuto in ZUV. Non ti danneggia, ma è molto istruttivo, per esempio per il programmatore che vuole migliorarlo.</translation>
    </message>
    <message>
        <source>Privacy Statement:
All uploaded data will be used for research intentions only. Maximal anonymity is promised!</source>
        <translation>Informativa sulla privacy:
Tutti i dati inviati saranno usati solo per la ricerca. Promettiamo il massimo anonimato!</translation>
    </message>
    <message>
        <source>Who told you about this?</source>
        <translation>Chi te ne ha parlato?</translation>
    </message>
    <message>
        <source>A recommends it to B and C; C recommends it to D, E and F; F recommends it to G, ... the program spreads by talking about it!</source>
        <translation>A lo consiglia a B e C; C lo consiglia a D, E e F; F lo consiglia a G, ... il programma si diffonde col passaparola!</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers! If several, separate by comma.</source>
        <translation>Chiedi a chi te l&apos;ha consigliato il suo numero di membro! Se sono più d&apos;uno, separali con una virgola.</translation>
    </message>
    <message>
        <source>ZUV-Membernumbers</source>
        <translation>Numeri di membro ZUV</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers!!! Later we can analyze how the program has spread over the planet!</source>
        <translation>Chiedi a chi te l&apos;ha consigliato il suo numero di membro!!! Più avanti potremo analizzare come il programma si è diffuso sul pianeta!</translation>
    </message>
    <message>
        <source>several...</source>
        <translation>diversi...</translation>
    </message>
    <message>
        <source>or use this dialog for inputting several recommenders</source>
        <translation>oppure usa questa finestra per inserire più persone</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OPPURE</translation>
    </message>
    <message>
        <source>Or give both, Membernumber and Name, if that organization has mentioned their usernumber</source>
        <translation>Oppure indica entrambi, numero di membro e nome, se quell&apos;organizzazione ha comunicato il suo numero</translation>
    </message>
    <message>
        <source>example: Perhaps you heard about ZUV on the radio? Name the radio station.</source>
        <translation>esempio: forse hai sentito parlare di ZUV alla radio? Indica l&apos;emittente.</translation>
    </message>
    <message>
        <source>Name of organization</source>
        <translation>Nome dell&apos;organizzazione</translation>
    </message>
    <message>
        <source>NECESSARY Localization</source>
        <translation>Posizione NECESSARIA</translation>
    </message>
    <message>
        <source>If you want to, I can provide useful services for you. Click here.</source>
        <translation>Se vuoi, posso offrirti servizi utili. Fai clic qui.</translation>
    </message>
    <message>
        <source>Service Settings</source>
        <translation>Impostazioni dei servizi</translation>
    </message>
    <message>
        <source>You can also order these services on the website  </source>
        <translation>Puoi ordinare questi servizi anche sul sito web  </translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>please type in your eMail address if you want me to contact you.</source>
        <translation>inserisci il tuo indirizzo e-mail se vuoi che ti contatti.</translation>
    </message>
    <message>
        <source>I want reminder messages &quot;Zuvanta!&quot;</source>
        <translation>Voglio i promemoria «Zuvanta!»</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>ogni settimana</translation>
    </message>
    <message>
        <source>bi-monthly</source>
        <translation>ogni due mesi</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>ogni mese</translation>
    </message>
    <message>
        <source>I want informations about the project (newsletter).</source>
        <translation>Voglio informazioni sul progetto (newsletter).</translation>
    </message>
    <message>
        <source>I offer my help for this project.</source>
        <translation>Offro il mio aiuto a questo progetto.</translation>
    </message>
    <message>
        <source>I would like to analyze the data.</source>
        <translation>Vorrei analizzare i dati.</translation>
    </message>
    <message>
        <source>USEFUL Service</source>
        <translation>Servizi UTILI</translation>
    </message>
    <message>
        <source>If you want to, you can tell me your opinion about this project. Click.</source>
        <translation>Se vuoi, puoi dirmi cosa pensi di questo progetto. Fai clic.</translation>
    </message>
    <message>
        <source>Your opinion counts</source>
        <translation>La tua opinione conta</translation>
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
        <translation>Mai</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>Please give a guess, when your purse will show the same distribution of countries as the distribution of produced coins ... (when are the European coins mixed completely?)</source>
        <translation>Secondo te, quando il tuo borsellino mostrerà la stessa distribuzione di paesi delle monete coniate... (quando saranno del tutto rimescolate le monete europee?)</translation>
    </message>
    <message>
        <source>Please give a guess, when you will have had 
all European coins in your purse once?</source>
        <translation>Secondo te, quando avrai avuto 
tutte le monete europee almeno una volta nel borsellino?</translation>
    </message>
    <message>
        <source>Describe yourself or an idea or leave a message.</source>
        <translation>Descrivi te stesso o un&apos;idea, oppure lascia un messaggio.</translation>
    </message>
    <message>
        <source>If you want my answer to this comment, you should provide your eMail-address.</source>
        <translation>Se vuoi una mia risposta a questo commento, indica il tuo indirizzo e-mail.</translation>
    </message>
    <message>
        <source>VOLUNTARY opinion</source>
        <translation>Opinione FACOLTATIVA</translation>
    </message>
    <message>
        <source>On your first upload to the server you become a member!</source>
        <translation>Con il tuo primo invio al server diventi membro!</translation>
    </message>
    <message>
        <source>Your 
membernumber:</source>
        <translation>Il tuo numero 
di membro:</translation>
    </message>
    <message>
        <source>Why a membernumber? Apart from technical reasons, we can later analyze how this program spread over the planet because of your recommendation!</source>
        <translation>Perché un numero di membro? Oltre che per motivi tecnici, più avanti potremo analizzare come questo programma si è diffuso sul pianeta grazie ai tuoi consigli!</translation>
    </message>
    <message>
        <source>Whenever you recommend this program, please mention your membernumber.</source>
        <translation>Ogni volta che consigli questo programma, indica il tuo numero di membro.</translation>
    </message>
    <message>
        <source>You joined us on:</source>
        <translation>Membro dal:</translation>
    </message>
    <message>
        <source>Welcome Message:</source>
        <translation>Messaggio di benvenuto:</translation>
    </message>
    <message>
        <source>Membernumber</source>
        <translation>Numero di membro</translation>
    </message>
    <message>
        <source>Back to old settings</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>resets the settings to the state of the last saving</source>
        <translation>riporta le impostazioni allo stato dell&apos;ultimo salvataggio</translation>
    </message>
    <message>
        <source>You have to fill in where you are and sign §1 of the contract to participate in the European project &quot;Zuvanta!&quot;.</source>
        <translation>Per partecipare al progetto europeo «Zuvanta!» devi indicare dove ti trovi e firmare il §1 del contratto.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>save these settings and go back</source>
        <translation>salva queste impostazioni e torna indietro</translation>
    </message>
</context>
<context>
    <name>SlideShow</name>
    <message>
        <source>previous coin</source>
        <translation>moneta precedente</translation>
    </message>
    <message>
        <source>next coin</source>
        <translation>moneta successiva</translation>
    </message>
    <message>
        <source>previous country</source>
        <translation>paese precedente</translation>
    </message>
    <message>
        <source>next country</source>
        <translation>paese successivo</translation>
    </message>
    <message>
        <source>Loading pictures...</source>
        <translation>Caricamento delle immagini...</translation>
    </message>
    <message>
        <source>Abort not possible</source>
        <translation>Impossibile interrompere</translation>
    </message>
    <message>
        <source>Sorry, your version of Qt doesn&apos;t support &apos;%1&apos; files, only these filetypes are supported:
%2
Please re-configure Qt and build it again (or ask your admin)
See &apos; $QTDIR/configure -help | more &apos; for informations how to...

ZUV will work, but you won&apos;t see the coin pictures! What a pity...</source>
        <translation>Purtroppo la tua versione di Qt non legge i file &apos;%1&apos;, ma solo questi tipi di file:
%2
Riconfigura Qt e ricompilalo (o chiedi al tuo amministratore).
Vedi &apos; $QTDIR/configure -help | more &apos; per sapere come fare...

ZUV funzionerà, ma non vedrai le immagini delle monete! Peccato...</translation>
    </message>
    <message>
        <source>Of %1 total coins:%2 files loaded,%3 pictures could not be read.
To have a nicer program, you might want to check the website for more pictures?</source>
        <translation>Su %1 monete in tutto: %2 file caricati, %3 immagini non leggibili.
Per un programma più bello, magari trovi altre immagini sul sito web?</translation>
    </message>
    <message>
        <source>Picture format not supported by Qt</source>
        <translation>Formato di immagine non supportato da Qt</translation>
    </message>
    <message>
        <source>ZUV: You could download (more) coin pictures</source>
        <translation>ZUV: puoi scaricare (altre) immagini delle monete</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Non mostrare più</translation>
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
        <translation>Non lo so</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>ERROR Usage::StoreEvent : there is no event called %1</source>
        <translation>ERRORE Usage::StoreEvent: non esiste un evento chiamato %1</translation>
    </message>
    <message>
        <source>Time in s</source>
        <translation>Tempo in s</translation>
    </message>
    <message>
        <source>Event ID</source>
        <translation>N. evento</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Nome dell&apos;evento</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Conteggio</translation>
    </message>
    <message>
        <source>Event Name</source>
        <translation>Nome dell&apos;evento</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>ZUVWindow</name>
    <message>
        <source>Zuvanta - ZUV for Research (v%1 - %1)</source>
        <translation>Zuvanta - ZUV per la ricerca (v%1 - %1)</translation>
    </message>
    <message>
        <source>-&gt;
&amp;Insert</source>
        <translation>-&gt;
&amp;Inserisci</translation>
    </message>
    <message>
        <source>&lt;-
Take Away</source>
        <translation>&lt;-
Togli</translation>
    </message>
    <message>
        <source>Save purse and QUIT</source>
        <translation>Salva ed ESCI</translation>
    </message>
    <message>
        <source>Upload purses</source>
        <translation>Invia borsellini</translation>
    </message>
    <message>
        <source>Your settings</source>
        <translation>Le tue impostazioni</translation>
    </message>
    <message>
        <source>See the newest
data analysis</source>
        <translation>Guarda l&apos;ultima
analisi dei dati</translation>
    </message>
    <message>
        <source>about this project</source>
        <translation>informazioni sul progetto</translation>
    </message>
    <message>
        <source>invite friends</source>
        <translation>invita amici</translation>
    </message>
    <message>
        <source>just QUIT</source>
        <translation>ESCI e basta</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Ignora i
dati salvati.</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Esci ora</translation>
    </message>
    <message>
        <source>The project&apos;s results and your own countings can be shown here, in a window of their own.

Or watch results online: </source>
        <translation>I risultati del progetto e i tuoi conteggi si possono mostrare qui, in una finestra a parte.

Oppure guarda i risultati online: </translation>
    </message>
    <message>
        <source>OK, try to open the page now</source>
        <translation>Va bene, apri la pagina ora</translation>
    </message>
    <message>
        <source>Cancel, I remember the URL</source>
        <translation>Annulla, ricordo l&apos;indirizzo</translation>
    </message>
    <message>
        <source>Show the results here</source>
        <translation>Mostra i risultati qui</translation>
    </message>
    <message>
        <source>If you quit now, this table will be lost!

Rather press &apos;SAVE&apos; or &apos;UPLOAD&apos;, if you want to have it stored.</source>
        <translation>Se esci ora, questa tabella andrà persa!

Premi piuttosto «SALVA» o «INVIA» se vuoi conservarla.</translation>
    </message>
    <message>
        <source>OK, I will not quit</source>
        <translation>Va bene, non esco</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Esci comunque</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the program</source>
        <translation>Va bene, faccio del mio meglio.
Torna al programma</translation>
    </message>
    <message>
        <source>No, quit anyway and
discard my data of this session</source>
        <translation>No, esci comunque e
scarta i dati di questa sessione</translation>
    </message>
    <message>
        <source>Stored Purses on disk: </source>
        <translation>Borsellini salvati: </translation>
    </message>
    <message>
        <source>See data analysis</source>
        <translation>Guarda l&apos;analisi dei dati</translation>
    </message>
    <message>
        <source>file error</source>
        <translation>errore di file</translation>
    </message>
    <message>
        <source>ZUV loosing your data</source>
        <translation>ZUV perde i tuoi dati</translation>
    </message>
    <message>
        <source>ZUV cannot save your data</source>
        <translation>ZUV non riesce a salvare i tuoi dati</translation>
    </message>
    <message>
        <source>The results window cannot be opened:
%1</source>
        <translation>Impossibile aprire la finestra dei risultati:
%1</translation>
    </message>
</context>
</TS>
