<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>ZUV est un projet de recherche qui a besoin de vous !
On peut étudier comment les pièces en euros nationales se répandent
si assez de personnes aimables dans toute l&apos;Europe consacrent 1 à 2 minutes
par semaine ou par mois à saisir leur porte-monnaie dans ce programme.

Toutes les données sont envoyées à un serveur par Internet, puis analysées,
et l&apos;analyse est publiée dès que possible.

! Ne saisissez que les pièces de votre porte-monnaie de tous les jours, pas celles de votre collection !
! Je programmerai bientôt une version pour les collectionneurs, mais pour l&apos;instant, seulement des pièces en circulation, s&apos;il vous plaît !

Version du programme %1 (%2)
Copyright (C) 2002 le projet de recherche ZUV. Tous droits réservés.
Vous pouvez copier et transmettre ce programme sans le modifier et gratuitement.

Pour l&apos;assistance technique, les offres de parrainage ou les nouvelles,
voir  %3
</translation>
    </message>
</context>
<context>
    <name>Client</name>
    <message>
        <source>ZUV client (%1) for data transfer to server</source>
        <translation>Programme ZUV (%1) pour l&apos;envoi des données au serveur</translation>
    </message>
    <message>
        <source>&amp;Open Connection</source>
        <translation>&amp;Ouvrir la connexion</translation>
    </message>
    <message>
        <source>Clear &amp;Window</source>
        <translation>&amp;Vider la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>switch to single operation steps (for BETA only)</source>
        <translation>passer en mode pas à pas (uniquement pour la BÊTA)</translation>
    </message>
    <message>
        <source>This is for testing the beta version</source>
        <translation>Ceci sert à tester la version bêta</translation>
    </message>
    <message>
        <source>Set &amp;Server Address</source>
        <translation>Définir l&apos;adresse du &amp;serveur</translation>
    </message>
    <message>
        <source>Send &amp;Data</source>
        <translation>Envoyer les &amp;données</translation>
    </message>
    <message>
        <source>Send &amp;Faulty Format</source>
        <translation>Envoyer un &amp;format erroné</translation>
    </message>
    <message>
        <source>Send &amp;Too Much</source>
        <translation>Envoyer &amp;trop de données</translation>
    </message>
    <message>
        <source>Send Old &amp;Version</source>
        <translation>Envoyer une ancienne &amp;version</translation>
    </message>
    <message>
        <source>Send &amp;Too New Version</source>
        <translation>Envoyer une version trop &amp;récente</translation>
    </message>
    <message>
        <source>&amp;Close Connection</source>
        <translation>&amp;Fermer la connexion</translation>
    </message>
    <message>
        <source>ZUV net error %1</source>
        <translation>Erreur réseau ZUV %1</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Quitter maintenant</translation>
    </message>
    <message>
        <source>Socket error number %1 occurred</source>
        <translation>L&apos;erreur de socket numéro %1 s&apos;est produite</translation>
    </message>
    <message>
        <source>Server changed to  %1:%2 </source>
        <translation>Serveur changé pour  %1:%2 </translation>
    </message>
    <message>
        <source>Client had to close the connection %1 for reason %2</source>
        <translation>Le programme a dû fermer la connexion %1 pour la raison %2</translation>
    </message>
    <message>
        <source>
%1 very proudly presents:
The CLIENT %2 of ZUV v%3 - Please connect to the Server now.
</source>
        <translation>
%1 est très fier de présenter :
Le programme %2 de ZUV v%3 – Veuillez maintenant vous connecter au serveur.
</translation>
    </message>
    <message>
        <source>Trying to connect to the server...</source>
        <translation>Connexion au serveur en cours...</translation>
    </message>
    <message>
        <source>starting to send to server...</source>
        <translation>début de l&apos;envoi au serveur...</translation>
    </message>
    <message>
        <source>transmission not successful!</source>
        <translation>la transmission a échoué !</translation>
    </message>
    <message>
        <source>Hostname found in DNS...</source>
        <translation>Nom d&apos;hôte trouvé dans le DNS...</translation>
    </message>
    <message>
        <source>Host not found in DNS.</source>
        <translation>Hôte introuvable dans le DNS.</translation>
    </message>
    <message>
        <source>Please check Internet connection and try again.</source>
        <translation>Vérifiez la connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>Connected to server</source>
        <translation>Connecté au serveur</translation>
    </message>
    <message>
        <source>Server cannot be reached at the moment.</source>
        <translation>Le serveur est injoignable pour le moment.</translation>
    </message>
    <message>
        <source>Please check your Internet connection and try again (later).</source>
        <translation>Vérifiez votre connexion Internet et réessayez (plus tard).</translation>
    </message>
    <message>
        <source>Connection closed by the server. Malfunction, please try again (later).</source>
        <translation>Connexion fermée par le serveur. Dysfonctionnement, veuillez réessayer (plus tard).</translation>
    </message>
    <message>
        <source>Connection closed properly</source>
        <translation>Connexion fermée correctement</translation>
    </message>
    <message>
        <source>receiving from server...</source>
        <translation>réception depuis le serveur...</translation>
    </message>
    <message>
        <source>all data arrived from server</source>
        <translation>toutes les données du serveur sont arrivées</translation>
    </message>
    <message>
        <source>Don&apos;t know. Please send an idea to %1</source>
        <translation>Je ne sais pas. Envoyez une idée à %1, s&apos;il vous plaît</translation>
    </message>
    <message>
        <source>A problem occurred:
 (%1) %2
Suggested solution:
 %3</source>
        <translation>Un problème est survenu :
 (%1) %2
Solution proposée :
 %3</translation>
    </message>
    <message>
        <source>Some problem occurred during connection</source>
        <translation>Un problème est survenu pendant la connexion</translation>
    </message>
    <message>
        <source>

Because server answered:
</source>
        <translation>

Car le serveur a répondu :
</translation>
    </message>
    <message>
        <source>Don&apos;t know</source>
        <translation>Je ne sais pas</translation>
    </message>
    <message>
        <source>Communication with Server failed</source>
        <translation>La communication avec le serveur a échoué</translation>
    </message>
</context>
<context>
    <name>Coin</name>
    <message>
        <source>1c</source>
        <translation>1 c</translation>
    </message>
    <message>
        <source>2c</source>
        <translation>2 c</translation>
    </message>
    <message>
        <source>5c</source>
        <translation>5 c</translation>
    </message>
    <message>
        <source>10c</source>
        <translation>10 c</translation>
    </message>
    <message>
        <source>20c</source>
        <translation>20 c</translation>
    </message>
    <message>
        <source>50c</source>
        <translation>50 c</translation>
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
        <translation>Pièces de votre porte-monnaie</translation>
    </message>
    <message>
        <source>RESET
this table to 0</source>
        <translation>REMETTRE
ce tableau à 0</translation>
    </message>
    <message>
        <source>Euro Coins</source>
        <translation>Pièces en euros</translation>
    </message>
    <message>
        <source>Please type in positive NUMBERS only!
The field will be set to 0 now.</source>
        <translation>Veuillez saisir uniquement des NOMBRES positifs !
Le champ va être remis à 0.</translation>
    </message>
    <message>
        <source> %1 Euro </source>
        <translation> %1 euros </translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Common Side</source>
        <translation>Face commune</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlande</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grèce</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlande</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Luxemburg</source>
        <translation>Luxembourg</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>San Marino</source>
        <translation>Saint-Marin</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espagne</translation>
    </message>
    <message>
        <source>Vatican</source>
        <translation>Vatican</translation>
    </message>
    <message>
        <source>Other European Country</source>
        <translation>Autre pays européen</translation>
    </message>
    <message>
        <source>North Africa</source>
        <translation>Afrique du Nord</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Afrique du Sud</translation>
    </message>
    <message>
        <source>West Asia</source>
        <translation>Asie occidentale</translation>
    </message>
    <message>
        <source>East Asia</source>
        <translation>Asie orientale</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacifique</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Amérique du Nord</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Amérique du Sud</translation>
    </message>
    <message>
        <source>Arctis</source>
        <translation>Arctique</translation>
    </message>
    <message>
        <source>Antarctis</source>
        <translation>Antarctique</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send ZUV invitations to your friends</source>
        <translation>Envoyer des invitations ZUV à vos amis</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the settings.</source>
        <translation>D&apos;accord, je fais de mon mieux.
Retour aux paramètres.</translation>
    </message>
    <message>
        <source>No, discard my settings changes.</source>
        <translation>Non, abandonner mes modifications.</translation>
    </message>
    <message>
        <source>Before you can upload your data, you are asked 
to fill in some information about you.

</source>
        <translation>Avant de pouvoir envoyer vos données, 
nous vous demandons quelques renseignements sur vous.

</translation>
    </message>
    <message>
        <source>Your ZUV Settings are not complete!

</source>
        <translation>Vos paramètres ZUV sont incomplets !

</translation>
    </message>
    <message>
        <source>Please fill in where you are!
The Euro diffusion depends on the location.
</source>
        <translation>Veuillez indiquer où vous êtes !
La diffusion de l&apos;euro dépend du lieu.
</translation>
    </message>
    <message>
        <source>This program is part of a scientific research project.
</source>
        <translation>Ce programme fait partie d&apos;un projet de recherche scientifique.
</translation>
    </message>
    <message>
        <source>Please fill in necessary information</source>
        <translation>Veuillez compléter les informations nécessaires</translation>
    </message>
    <message>
        <source>ZUV Settings not complete</source>
        <translation>Paramètres ZUV incomplets</translation>
    </message>
    <message>
        <source>OK, I do</source>
        <translation>D&apos;accord, je signe</translation>
    </message>
    <message>
        <source>No, I don&apos;t</source>
        <translation>Non, je ne signe pas</translation>
    </message>
    <message>
        <source>Participation endangered</source>
        <translation>Participation compromise</translation>
    </message>
    <message>
        <source>Then the program would be terminated now
loosing your data...!</source>
        <translation>Le programme s&apos;arrêterait alors maintenant
et vos données seraient perdues… !</translation>
    </message>
    <message>
        <source>OK, I want to participate</source>
        <translation>D&apos;accord, je veux participer</translation>
    </message>
    <message>
        <source>Quit, I don&apos;t participate</source>
        <translation>Quitter, je ne participe pas</translation>
    </message>
    <message>
        <source>Your membership in the ZUV-project</source>
        <translation>Votre adhésion au projet ZUV</translation>
    </message>
    <message>
        <source> &amp;Country, City</source>
        <translation> &amp;Pays, ville</translation>
    </message>
    <message>
        <source>Please name your Country and City</source>
        <translation>Veuillez indiquer votre pays et votre ville</translation>
    </message>
    <message>
        <source> Postal &amp;Code</source>
        <translation> &amp;Code postal</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits).</source>
        <translation>Le code postal de votre ville (au moins 2 chiffres).</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Ignorer les
données enregistrées.</translation>
    </message>
    <message>
        <source>Quit now
(loosing new data of today!)</source>
        <translation>Quitter maintenant
(les nouvelles données du jour seront perdues !)</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please try again</source>
        <translation>D&apos;accord, je fais de mon mieux.
Réessayer</translation>
    </message>
    <message>
        <source>No, quit anyway. I don&apos;t need an archive.</source>
        <translation>Non, quitter quand même. Je n&apos;ai pas besoin d&apos;archive.</translation>
    </message>
    <message>
        <source>ZUV says thank you</source>
        <translation>ZUV vous dit merci</translation>
    </message>
    <message>
        <source>Thanks a lot.</source>
        <translation>Merci beaucoup.</translation>
    </message>
    <message>
        <source>Your data has been saved to %1.</source>
        <translation>Vos données ont été enregistrées dans %1.</translation>
    </message>
    <message>
        <source>
See you next time...</source>
        <translation>
À la prochaine…</translation>
    </message>
    <message>
        <source>Today featuring ...</source>
        <translation>Aujourd&apos;hui à l&apos;honneur…</translation>
    </message>
    <message>
        <source>To ensure data quality, you are asked to sign §1 of the contract</source>
        <translation>Pour garantir la qualité des données, nous vous demandons de signer le §1 du contrat</translation>
    </message>
    <message>
        <source>If you don&apos;t sign paragraph §1 of the contract,
you can&apos;t participate in this project, sorry.
</source>
        <translation>Si vous ne signez pas le §1 du contrat,
vous ne pouvez malheureusement pas participer à ce projet.
</translation>
    </message>
    <message>
        <source>
Optional:
You could enable us to optimize this and other programs
by research on ergonomics. Therefore, it would be very nice,
if you allowed us to log the usage by also signing paragraph §2.</source>
        <translation>
Facultatif :
Vous pourriez nous aider à améliorer ce programme et d&apos;autres
par des recherches en ergonomie. Nous vous serions donc très reconnaissants
de nous permettre d&apos;enregistrer l&apos;utilisation en signant aussi le §2.</translation>
    </message>
    <message>
        <source>About (ZUV) Zuvanta!</source>
        <translation>À propos de (ZUV) Zuvanta!</translation>
    </message>
    <message>
        <source>WWW:
Project Homepage</source>
        <translation>WWW :
site du projet</translation>
    </message>
    <message>
        <source>WWW:
Download new version</source>
        <translation>WWW :
nouvelle version</translation>
    </message>
    <message>
        <source>ZUV cannot save your settings</source>
        <translation>ZUV ne peut pas enregistrer vos paramètres</translation>
    </message>
    <message>
        <source>ZUV: archive file error</source>
        <translation>ZUV : erreur du fichier d&apos;archive</translation>
    </message>
    <message>
        <source>ZUV cannot save your archive</source>
        <translation>ZUV ne peut pas enregistrer votre archive</translation>
    </message>
    <message>
        <source>The connection window cannot be opened:
%1</source>
        <translation>Impossible d&apos;ouvrir la fenêtre de connexion :
%1</translation>
    </message>
</context>
<context>
    <name>ErrorHelp</name>
    <message>
        <source>Delete your datafile and restart ZUV.</source>
        <translation>Supprimez votre fichier de données et relancez ZUV.</translation>
    </message>
    <message>
        <source>It is important that you notify the author of his server malfunction!</source>
        <translation>Il est important de signaler à l&apos;auteur que son serveur fonctionne mal !</translation>
    </message>
    <message>
        <source>Use newer programversion! %1</source>
        <translation>Utilisez une version plus récente du programme ! %1</translation>
    </message>
    <message>
        <source>No problem. We just start from scratch.</source>
        <translation>Pas de problème. On repart simplement de zéro.</translation>
    </message>
    <message>
        <source>The checksum of the data file/stream is incorrect! Can have many reasons - all fatal!</source>
        <translation>La somme de contrôle du fichier ou du flux de données est fausse ! Les causes possibles sont nombreuses – toutes fatales !</translation>
    </message>
    <message>
        <source>Download a newer programversion %1</source>
        <translation>Téléchargez une version plus récente du programme : %1</translation>
    </message>
    <message>
        <source>Perhaps try again later.</source>
        <translation>Réessayez peut-être plus tard.</translation>
    </message>
    <message>
        <source>Doesn&apos;t seem to be a ZUV server on the other side. Misuse? Please tell the author!</source>
        <translation>Il ne semble pas y avoir de serveur ZUV de l&apos;autre côté. Un abus ? Prévenez l&apos;auteur, s&apos;il vous plaît !</translation>
    </message>
    <message>
        <source>Try later when the net traffic is not so busy.</source>
        <translation>Réessayez plus tard, quand le réseau sera moins encombré.</translation>
    </message>
    <message>
        <source>Please download a new version from %1</source>
        <translation>Veuillez télécharger une nouvelle version sur %1</translation>
    </message>
    <message>
        <source>A bug. Please contact the author.</source>
        <translation>Un bogue. Veuillez contacter l&apos;auteur.</translation>
    </message>
    <message>
        <source>Your datafile is probably write-protected. Remove that.</source>
        <translation>Votre fichier de données est sans doute protégé en écriture. Retirez cette protection.</translation>
    </message>
    <message>
        <source>Very strange - please tell the author!</source>
        <translation>Très étrange – prévenez l&apos;auteur, s&apos;il vous plaît !</translation>
    </message>
    <message>
        <source>Try again tomorrow (best), contact the author (good) or delete your datafile (not so good)</source>
        <translation>Réessayez demain (le mieux), contactez l&apos;auteur (bien) ou supprimez votre fichier de données (moins bien)</translation>
    </message>
    <message>
        <source>No working Internet connection on your side. Fix it . OR: No server running. Nothing you can do now. Please try again later. </source>
        <translation>Votre connexion Internet ne fonctionne pas. Réparez-la. OU : aucun serveur ne tourne. Vous n&apos;y pouvez rien pour l&apos;instant. Réessayez plus tard. </translation>
    </message>
    <message>
        <source>Not a problem at all. Your data has been uploaded successfully!</source>
        <translation>Aucun problème. Vos données ont bien été envoyées !</translation>
    </message>
    <message>
        <source>Probably best idea to get a newer programversion or describe the problem to the author.</source>
        <translation>Le mieux est sans doute de prendre une version plus récente du programme ou de décrire le problème à l&apos;auteur.</translation>
    </message>
    <message>
        <source>Please try again later or contact the author.</source>
        <translation>Veuillez réessayer plus tard ou contacter l&apos;auteur.</translation>
    </message>
    <message>
        <source>Your client doesn&apos;t understand the server anymore. New version from %1 !</source>
        <translation>Votre programme ne comprend plus le serveur. Nouvelle version sur %1 !</translation>
    </message>
    <message>
        <source>

Please write a short message
with a description of this problem
to %1</source>
        <translation>

Veuillez écrire un court message
décrivant ce problème
à %1</translation>
    </message>
    <message>
        <source>
Possible solution:
</source>
        <translation>
Solution possible :
</translation>
    </message>
</context>
<context>
    <name>FatalError</name>
    <message>
        <source>ZUV fatal logical error</source>
        <translation>ZUV : erreur logique fatale</translation>
    </message>
    <message>
        <source>ZUV fatal file error</source>
        <translation>ZUV : erreur de fichier fatale</translation>
    </message>
    <message>
        <source>ZUV fatal network error</source>
        <translation>ZUV : erreur réseau fatale</translation>
    </message>
    <message>
        <source>ZUV fatal stream error</source>
        <translation>ZUV : erreur fatale du flux de données</translation>
    </message>
    <message>
        <source>ZUV fatal error</source>
        <translation>ZUV : erreur fatale</translation>
    </message>
    <message>
        <source>ZUV unknown error</source>
        <translation>ZUV : erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Invitations</name>
    <message>
        <source>Invite by zuvmail to join the project and to mention 
YOUR membernumber as their recommender.
</source>
        <translation>Invitez par zuvmail à rejoindre le projet en indiquant 
VOTRE numéro de membre comme parrain.
</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>Pièce</translation>
    </message>
    <message>
        <source>&amp;insert</source>
        <translation>&amp;ajouter</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>retirer</translation>
    </message>
    <message>
        <source>Send your favourite coin
in the zuvmail postcard:</source>
        <translation>Envoyez votre pièce préférée
sur la carte zuvmail :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This is not a valid
%1</source>
        <translation>Ceci n&apos;est pas une adresse valide
%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;
is not a valid
%2</source>
        <translation>« %1 »
n&apos;est pas une adresse valide
%2</translation>
    </message>
    <message>
        <source>first click the to
be deleted person</source>
        <translation>cliquez d&apos;abord sur
la personne à supprimer</translation>
    </message>
    <message>
        <source>Sorry, that invitation
was already uploaded.</source>
        <translation>Désolé, cette invitation
a déjà été envoyée.</translation>
    </message>
</context>
<context>
    <name>ProjectResultsView</name>
    <message>
        <source>You guessed %1.</source>
        <translation>Votre pronostic : %1.</translation>
    </message>
    <message>
        <source>You guessed 2011-2020.</source>
        <translation>Votre pronostic : 2011-2020.</translation>
    </message>
    <message>
        <source>You guessed 2021 or later.</source>
        <translation>Votre pronostic : 2021 ou plus tard.</translation>
    </message>
    <message>
        <source>You guessed never.</source>
        <translation>Votre pronostic : jamais.</translation>
    </message>
    <message>
        <source>You have not guessed yet (&quot;Your settings&quot;).</source>
        <translation>Vous n&apos;avez pas encore fait de pronostic (« Vos paramètres »).</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>The project&apos;s results cannot be downloaded from %1: %2.
The project server may be out of reach just now; try again in a while.</source>
        <translation>Impossible de télécharger les résultats du projet depuis %1 : %2.
Le serveur du projet est peut-être injoignable pour le moment ; réessayez dans un moment.</translation>
    </message>
    <message>
        <source>Loading the project&apos;s results from %1 ...</source>
        <translation>Chargement des résultats du projet depuis %1…</translation>
    </message>
    <message>
        <source>The answer from %1 cannot be read as the project&apos;s results (%2).</source>
        <translation>La réponse de %1 n&apos;est pas lisible comme résultats du projet (%2).</translation>
    </message>
    <message>
        <source>%1 members have counted %2 purses so far; published: %3 coins worth %4 Euro.</source>
        <translation>%1 membres ont compté %2 porte-monnaie jusqu&apos;ici ; publié : %3 pièces d&apos;une valeur de %4 euros.</translation>
    </message>
    <message>
        <source>Published on %1, once a day.</source>
        <translation>Publié le %1, une fois par jour.</translation>
    </message>
    <message>
        <source>%1 Nothing published: a number is published only where at least %2 members counted coins, so that no participant can be recognised.</source>
        <translation>%1 Rien n&apos;est publié : un nombre n&apos;est publié que là où au moins %2 membres ont compté des pièces, afin qu&apos;aucun participant ne puisse être reconnu.</translation>
    </message>
    <message>
        <source>Foreign share by month</source>
        <translation>Part étrangère par mois</translation>
    </message>
    <message>
        <source>Foreign share by month: nothing published yet</source>
        <translation>Part étrangère par mois : rien n&apos;est encore publié</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>pièces étrangères</translation>
    </message>
    <message>
        <source>your guess</source>
        <translation>votre pronostic</translation>
    </message>
    <message>
        <source>90% interval</source>
        <translation>intervalle à 90 %</translation>
    </message>
    <message>
        <source>model for %1</source>
        <translation>modèle pour %1</translation>
    </message>
    <message>
        <source>All euro countries</source>
        <translation>Tous les pays de l&apos;euro</translation>
    </message>
    <message>
        <source>No forecast of the mixing is published for your member country.</source>
        <translation>Aucune prévision du brassage n&apos;est publiée pour votre pays de membre.</translation>
    </message>
    <message>
        <source>%1: not enough countings yet for a forecast of the mixing (%2).</source>
        <translation>%1 : pas encore assez de comptages pour prévoir le brassage (%2).</translation>
    </message>
    <message>
        <source>half the coins foreign in %1</source>
        <translation>moitié des pièces étrangères : %1</translation>
    </message>
    <message>
        <source>half-way mixed in %1</source>
        <translation>à moitié brassées : %1</translation>
    </message>
    <message>
        <source>%1: %2; mixed completely in %3.</source>
        <translation>%1 : %2 ; complètement brassées : %3.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (fewer than %2)</source>
        <translation>%1 (moins de %2)</translation>
    </message>
    <message>
        <source>Our members&apos; guesses: %1</source>
        <translation>Les pronostics de nos membres : %1</translation>
    </message>
    <message>
        <source>; the countings say %1.</source>
        <translation> ; les comptages disent %1.</translation>
    </message>
    <message>
        <source>Where the coins come from: nothing published yet</source>
        <translation>D&apos;où viennent les pièces : rien n&apos;est encore publié</translation>
    </message>
    <message>
        <source>Where the coins in %1 come from: %2 not published</source>
        <translation>D&apos;où viennent les pièces en %1 : %2 non publié</translation>
    </message>
    <message>
        <source>Where the %1 coins in %2 come from</source>
        <translation>D&apos;où viennent les %1 pièces en %2</translation>
    </message>
    <message>
        <source>share of the coins</source>
        <translation>part des pièces</translation>
    </message>
    <message>
        <source>Foreign share by coin value</source>
        <translation>Part étrangère par valeur de pièce</translation>
    </message>
    <message>
        <source>(The share of foreign coins once mixed is taken from the coins produced: %1, %2.)</source>
        <translation>(La part des pièces étrangères une fois le brassage achevé est tirée des pièces frappées : %1, %2.)</translation>
    </message>
</context>
<context>
    <name>PurseResultsView</name>
    <message>
        <source>%1 countings: %2 coins worth %3 Euro, with %4 of the %5 national sides.</source>
        <translation>%1 comptages : %2 pièces d&apos;une valeur de %3 euros, avec %4 des %5 faces nationales.</translation>
    </message>
    <message>
        <source>Foreign national sides: %1 of %2 coins (%3 %).</source>
        <translation>Faces nationales étrangères : %1 sur %2 pièces (%3 %).</translation>
    </message>
    <message>
        <source>The foreign share needs a euro country as your member country (see &quot;Your settings&quot;), so only the counts are shown.</source>
        <translation>La part étrangère demande un pays de l&apos;euro comme pays de membre (voir « Vos paramètres ») ; seuls les nombres sont donc affichés.</translation>
    </message>
    <message>
        <source>National side</source>
        <translation>Face nationale</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>Vue pour la première fois</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Your countings</source>
        <translation>Vos comptages</translation>
    </message>
    <message>
        <source>coins counted</source>
        <translation>pièces comptées</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>pièces</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>pièces étrangères</translation>
    </message>
    <message>
        <source>foreign share</source>
        <translation>part étrangère</translation>
    </message>
    <message>
        <source>1 cent</source>
        <translation>1 centime</translation>
    </message>
    <message>
        <source>2 cent</source>
        <translation>2 centimes</translation>
    </message>
    <message>
        <source>5 cent</source>
        <translation>5 centimes</translation>
    </message>
    <message>
        <source>10 cent</source>
        <translation>10 centimes</translation>
    </message>
    <message>
        <source>20 cent</source>
        <translation>20 centimes</translation>
    </message>
    <message>
        <source>50 cent</source>
        <translation>50 centimes</translation>
    </message>
    <message>
        <source>1 euro</source>
        <translation>1 euro</translation>
    </message>
    <message>
        <source>2 euro</source>
        <translation>2 euros</translation>
    </message>
    <message>
        <source>the %1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Of the %1 national coins (%2 values x %3 national sides) you have seen %4.</source>
        <translation>Sur les %1 pièces nationales (%2 valeurs × %3 faces nationales), vous en avez vu %4.</translation>
    </message>
    <message>
        <source>You have seen them all!</source>
        <translation>Vous les avez toutes vues !</translation>
    </message>
    <message>
        <source>At your %1 coins a month, with the coins as the members in %2 meet them, </source>
        <translation>À raison de %1 pièces par mois, avec les pièces telles que les membres en %2 les rencontrent, </translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: the rarest, %1, turn up too seldom there.</source>
        <translation>vous ne les aurez pratiquement jamais toutes vues : les plus rares, %1, y apparaissent trop rarement.</translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: %1 are not among the coins published there.</source>
        <translation>vous ne les aurez pratiquement jamais toutes vues : %1 ne figurent pas parmi les pièces publiées là-bas.</translation>
    </message>
    <message>
        <source>you will have seen all of them in %1 (90%: %2 to %3). The rarest you still need: %4.</source>
        <translation>vous les aurez toutes vues : %1 (90 % : %2 à %3). Les plus rares qu&apos;il vous manque : %4.</translation>
    </message>
    <message>
        <source>more than %1 years</source>
        <translation>plus de %1 ans</translation>
    </message>
    <message>
        <source>Your archive %1 cannot be read (%2), so the countings you have uploaded are missing here. The file is left as it is.</source>
        <translation>Votre archive %1 est illisible (%2) : les comptages que vous avez envoyés manquent donc ici. Le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>You have not counted a purse yet. Empty your purse, put each coin into the grid of the main window with &quot;Insert&quot; and press &quot;Save purse and QUIT&quot;: your countings then show here.</source>
        <translation>Vous n&apos;avez encore compté aucun porte-monnaie. Videz votre porte-monnaie, placez chaque pièce dans la grille de la fenêtre principale avec « Ajouter » et appuyez sur « Enregistrer et QUITTER » : vos comptages s&apos;afficheront alors ici.</translation>
    </message>
    <message>
        <source>When you will have seen every coin follows once the project&apos;s results are read.</source>
        <translation>Quand vous aurez vu toutes les pièces s&apos;affichera dès que les résultats du projet seront lus.</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>When you will have seen every coin needs the mix of coins the project publishes for your member country, and there is none.</source>
        <translation>Pour dire quand vous aurez vu toutes les pièces, il faut le mélange de pièces que le projet publie pour votre pays de membre, et il n&apos;y en a pas.</translation>
    </message>
    <message>
        <source>Export your countings</source>
        <translation>Exporter vos comptages</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Your countings are saved in %1.</source>
        <translation>Vos comptages sont enregistrés dans %1.</translation>
    </message>
    <message>
        <source>ZUV cannot export your countings</source>
        <translation>ZUV ne peut pas exporter vos comptages</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).

Please choose another folder or name.</source>
        <translation>Impossible d&apos;écrire le fichier %1 (%2).

Veuillez choisir un autre dossier ou un autre nom.</translation>
    </message>
</context>
<context>
    <name>RecommenderNumbersDialog</name>
    <message>
        <source>Recommenders&apos; membernumbers</source>
        <translation>Numéros de membre des parrains</translation>
    </message>
    <message>
        <source>Type in the membernumbers of those people who recommended this programm to you. Then later I can show you how far your influence has spread over Europe.</source>
        <translation>Saisissez les numéros de membre des personnes qui vous ont recommandé ce programme. Je pourrai ensuite vous montrer jusqu&apos;où votre influence s&apos;est étendue en Europe.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Wrong Membernumber Format</source>
        <translation>Numéro de membre mal formé</translation>
    </message>
    <message>
        <source>For the recommenders&apos; membernumbers &quot;%1&quot; is a wrong entry.
They have to be (comma-separated) NUMBERs.</source>
        <translation>Dans les numéros de membre des parrains, « %1 » est une entrée erronée.
Il faut des NOMBRES (séparés par des virgules).</translation>
    </message>
    <message>
        <source> is no number.</source>
        <translation> n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>click the to be deleted first</source>
        <translation>cliquez d&apos;abord sur l&apos;entrée à supprimer</translation>
    </message>
</context>
<context>
    <name>ResultsDownload</name>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>la réponse dépasse %1 Kio</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>pas de réponse en %1 secondes</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>%1 cent</source>
        <translation>%1 centimes</translation>
    </message>
    <message>
        <source>%1 euro</source>
        <translation>%1 euros</translation>
    </message>
    <message>
        <source>nothing published there (no coins, or fewer than %1 members counted them)</source>
        <translation>rien n&apos;est publié ici (pas de pièces, ou moins de %1 membres les ont comptées)</translation>
    </message>
    <message>
        <source>Hatched: %1</source>
        <translation>Hachuré : %1</translation>
    </message>
    <message>
        <source>%1, the model: %2 of the coins foreign once mixed completely</source>
        <translation>%1, le modèle : %2 des pièces étrangères une fois complètement brassées</translation>
    </message>
    <message>
        <source>%1, %2: %3 of %4 coins foreign</source>
        <translation>%1, %2 : %3 sur %4 pièces étrangères</translation>
    </message>
    <message>
        <source>Where the coins in each member country come from</source>
        <translation>D&apos;où viennent les pièces dans chaque pays de membre</translation>
    </message>
    <message>
        <source>%1, coins of %2: not published (none, or fewer than %3 members counted them)</source>
        <translation>%1, pièces de %2 : non publié (aucune, ou moins de %3 membres les ont comptées)</translation>
    </message>
    <message>
        <source>%1, coins of %2: %3 (%4 of %5 coins)</source>
        <translation>%1, pièces de %2 : %3 (%4 sur %5 pièces)</translation>
    </message>
    <message>
        <source>Share of foreign coins by coin value</source>
        <translation>Part des pièces étrangères par valeur</translation>
    </message>
    <message>
        <source>%1: %2 of %3 coins foreign</source>
        <translation>%1 : %2 sur %3 pièces étrangères</translation>
    </message>
    <message>
        <source>%1: not published (none, or fewer than %2 members counted it)</source>
        <translation>%1 : non publié (aucune, ou moins de %2 membres l&apos;ont comptée)</translation>
    </message>
    <message>
        <source>%1 Euro</source>
        <translation>%1 euros</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;lead&quot;&gt;In %1, &lt;b&gt;%2&lt;/b&gt; of the coins our members counted in the euro countries had a national side from another country than their own.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;lead&quot;&gt;En %1, &lt;b&gt;%2&lt;/b&gt; des pièces comptées par nos membres dans les pays de l&apos;euro avaient une face nationale d&apos;un autre pays que le leur.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;note&quot;&gt;Nothing that at least %1 members %2 counted in one month is published yet, so no share can be shown.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;note&quot;&gt;Rien de ce qu&apos;au moins %1 membres ont compté %2 en un mois n&apos;est encore publié ; aucune part ne peut donc être affichée.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>not in sight (%1 or later)</source>
        <translation>pas en vue (%1 ou plus tard)</translation>
    </message>
    <message>
        <source>not in sight</source>
        <translation>pas en vue</translation>
    </message>
    <message>
        <source> or later</source>
        <translation> ou plus tard</translation>
    </message>
    <message>
        <source>%1: not enough countings yet (%2)</source>
        <translation>%1 : pas encore assez de comptages (%2)</translation>
    </message>
    <message>
        <source>half the coins foreign in %1; </source>
        <translation>moitié des pièces étrangères : %1 ; </translation>
    </message>
    <message>
        <source>mixed completely in %1</source>
        <translation>complètement brassées : %1</translation>
    </message>
    <message>
        <source>When our members guess the coins are mixed completely</source>
        <translation>Quand nos membres pensent que les pièces seront complètement brassées</translation>
    </message>
    <message>
        <source>the countings</source>
        <translation>les comptages</translation>
    </message>
    <message>
        <source>%1: %2 members</source>
        <translation>%1 : %2 membres</translation>
    </message>
    <message>
        <source>%1: fewer than %2 members</source>
        <translation>%1 : moins de %2 membres</translation>
    </message>
    <message>
        <source>fewer than %1 members guessed so</source>
        <translation>moins de %1 membres ont fait ce pronostic</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;When will the coins be mixed completely?&lt;/h2&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Quand les pièces seront-elles complètement brassées ?&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Our members guessed most often &lt;b&gt;%1&lt;/b&gt; (%2 members).</source>
        <translation>&lt;p&gt;Le pronostic le plus fréquent de nos membres est &lt;b&gt;%1&lt;/b&gt; (%2 membres).</translation>
    </message>
    <message>
        <source>&lt;p&gt;Too few of our members guessed yet.</source>
        <translation>&lt;p&gt;Trop peu de nos membres ont fait un pronostic jusqu&apos;ici.</translation>
    </message>
    <message>
        <source> The countings cannot tell yet: no member country has enough of them for the model.&lt;/p&gt;</source>
        <translation> Les comptages ne permettent pas encore de le dire : aucun pays de membre n&apos;en a assez pour le modèle.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> The countings say &lt;b&gt;%1&lt;/b&gt;: the forecast of %2, the median of the %3 member countries the model fits</source>
        <translation> Les comptages disent &lt;b&gt;%1&lt;/b&gt; : la prévision pour %2, la médiane des %3 pays de membre auxquels le modèle s&apos;ajuste</translation>
    </message>
    <message>
        <source>, which range from %1 to %2.&lt;/p&gt;</source>
        <translation> ; elles vont de %1 à %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by month&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of coins whose national side is from another country than the member&apos;s own, among the members in the fifteen countries that issue euro coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Pièces étrangères par mois&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;La part des pièces dont la face nationale vient d&apos;un autre pays que celui du membre, parmi les membres des quinze pays qui émettent des pièces en euros.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Share of foreign coins by month, all member countries</source>
        <translation>Part des pièces étrangères par mois, tous les pays de membre</translation>
    </message>
    <message>
        <source>All member countries</source>
        <translation>Tous les pays de membre</translation>
    </message>
    <message>
        <source>in the euro countries</source>
        <translation>dans les pays de l&apos;euro</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Each member country&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;Coloured: the country; grey: all member countries.</source>
        <translation>&lt;h3&gt;Chaque pays de membre&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;En couleur : le pays ; en gris : tous les pays de membre.</translation>
    </message>
    <message>
        <source> For %1, a is not fitted but taken from the coins produced (%2).</source>
        <translation> Pour %1, a n&apos;est pas ajusté mais tiré des pièces frappées (%2).</translation>
    </message>
    <message>
        <source>Share of foreign coins by month in %1</source>
        <translation>Part des pièces étrangères par mois en %1</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Where the euro coins in our purses come from&lt;/h1&gt;&lt;p&gt;The members of the ZUV project empty their purse now and then and count its coins by the country of each coin&apos;s national side. These are all their countings together, as the project server has them now.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;D&apos;où viennent les pièces en euros de nos porte-monnaie&lt;/h1&gt;&lt;p&gt;Les membres du projet ZUV vident de temps en temps leur porte-monnaie et comptent les pièces selon le pays de la face nationale de chacune. Voici tous leurs comptages réunis, tels que le serveur du projet les a maintenant.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>members</source>
        <translation>membres</translation>
    </message>
    <message>
        <source>purses counted</source>
        <translation>porte-monnaie comptés</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>pièces</translation>
    </message>
    <message>
        <source>in value</source>
        <translation>de valeur totale</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;No coins yet&lt;/h2&gt;&lt;p&gt;Nobody in the fifteen euro coin countries has uploaded a counted purse yet. The charts appear here with the first uploads.&lt;/p&gt;&lt;/section&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Pas encore de pièces&lt;/h2&gt;&lt;p&gt;Personne dans les quinze pays qui émettent des pièces en euros n&apos;a encore envoyé de porte-monnaie compté. Les graphiques apparaîtront ici avec les premiers envois.&lt;/p&gt;&lt;/section&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Where the coins in each member country come from&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Each row is a member country, each column a national side: the share of the country&apos;s coins that carry it. Outlined: the country&apos;s own coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;D&apos;où viennent les pièces dans chaque pays de membre&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Chaque ligne est un pays de membre, chaque colonne une face nationale : la part des pièces du pays qui la portent. Encadrées : les pièces du pays lui-même.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by coin value&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of foreign national sides among the coins of each value.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Pièces étrangères par valeur&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;La part des faces nationales étrangères parmi les pièces de chaque valeur.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;footer&gt;&lt;p&gt;Published once a day. Every number is a sum of cells (a month, a member country, a national side, a coin value) that at least %1 members counted coins in, and a cell changes only once at least %1 members changed it: no participant can be recognised, not even by comparing numbers or days. Hatched: nothing published there. Nothing that names or locates a member is published: no member numbers, postal codes, e-mail addresses, names or messages.&lt;/p&gt;</source>
        <translation>&lt;footer&gt;&lt;p&gt;Publié une fois par jour. Chaque nombre est une somme de cases (un mois, un pays de membre, une face nationale, une valeur de pièce) où au moins %1 membres ont compté des pièces, et une case ne change qu&apos;une fois qu&apos;au moins %1 membres l&apos;ont modifiée : aucun participant ne peut être reconnu, pas même en comparant des nombres ou des jours. Hachuré : rien n&apos;est publié ici. Rien de ce qui nomme ou situe un membre n&apos;est publié : ni numéros de membre, ni codes postaux, ni adresses e-mail, ni noms, ni messages.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published on %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Publié le %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nothing has been published yet.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Rien n&apos;a encore été publié.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The numbers behind the charts: &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Open data for researchers: &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV: coins and purses per month, member country, national side and coin value).&lt;/p&gt;&lt;/footer&gt;</source>
        <translation>&lt;p&gt;Les nombres derrière les graphiques : &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Données ouvertes pour la recherche : &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV : pièces et porte-monnaie par mois, pays de membre, face nationale et valeur de pièce).&lt;/p&gt;&lt;/footer&gt;</translation>
    </message>
    <message>
        <source>ZUV: the project&apos;s results</source>
        <translation>ZUV : les résultats du projet</translation>
    </message>
    <message>
        <source> Orange: the model fitted to the country&apos;s countings, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) for the share of foreign coins t years after the euro coins came out, a the share once they are mixed completely, b the pace; dashed where it foretells. The band lies between the curves of both ends of the 90% intervals of a and b. Mixed completely: when the share reaches 90% of a. The charts end in 2100.</source>
        <translation> Orange : le modèle ajusté aux comptages du pays, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) pour la part des pièces étrangères t années après l&apos;arrivée des pièces en euros, a étant la part une fois le brassage achevé et b son rythme ; en pointillés là où il prévoit. La bande s&apos;étend entre les courbes des deux bornes des intervalles à 90 % de a et b. Complètement brassées : quand la part atteint 90 % de a. Les graphiques s&apos;arrêtent en 2100.</translation>
    </message>
    <message>
        <source>2011-2020</source>
        <translation>2011-2020</translation>
    </message>
    <message>
        <source>2021 or later</source>
        <translation>2021 ou plus tard</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>fewer than %1 members (%2)</source>
        <translation>moins de %1 membres (%2)</translation>
    </message>
    <message>
        <source>less than a year of countings (%1 months)</source>
        <translation>moins d&apos;un an de comptages (%1 mois)</translation>
    </message>
    <message>
        <source>the countings do not yet tell the speed of mixing (the forecast&apos;s interval is wider than its time)</source>
        <translation>les comptages ne disent pas encore à quelle vitesse les pièces se mélangent (l&apos;intervalle de la prévision est plus large que son échéance)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>ZUV: the results</source>
        <translation>ZUV : les résultats</translation>
    </message>
    <message>
        <source>The project</source>
        <translation>Le projet</translation>
    </message>
    <message>
        <source>Your purse</source>
        <translation>Votre porte-monnaie</translation>
    </message>
</context>
<context>
    <name>ServerAnswer</name>
    <message>
        <source>Some error in Processing Answer - OK flag was not set.</source>
        <translation>Erreur lors du traitement de la réponse – l&apos;indicateur OK n&apos;était pas positionné.</translation>
    </message>
    <message>
        <source>This can have many reasons. Perhaps, your member number is wrong</source>
        <translation>Les causes peuvent être nombreuses. Votre numéro de membre est peut-être faux</translation>
    </message>
    <message>
        <source>- or there&apos;s some server maintenance going on!</source>
        <translation>– ou une maintenance du serveur est en cours !</translation>
    </message>
    <message>
        <source>I suggest that you try to upload again later or tomorrow, </source>
        <translation>Je vous conseille de réessayer l&apos;envoi plus tard ou demain ; </translation>
    </message>
    <message>
        <source>if the problem persists, please contact the author</source>
        <translation>si le problème persiste, contactez l&apos;auteur</translation>
    </message>
    <message>
        <source>or backup and delete your datafile &apos;%1&apos;</source>
        <translation>ou sauvegardez puis supprimez votre fichier de données « %1 »</translation>
    </message>
    <message>
        <source>The Server says: &apos;Thanks, member %1&apos;</source>
        <translation>Le serveur dit : « Merci, membre %1 »</translation>
    </message>
    <message>
        <source>A personal message for you, member %1:</source>
        <translation>Un message personnel pour vous, membre %1 :</translation>
    </message>
    <message>
        <source>Minor update successful.</source>
        <translation>Petite mise à jour réussie.</translation>
    </message>
    <message>
        <source>Your programversion is %1, there is a new version %2 out now.</source>
        <translation>Votre version du programme est la %1 ; une nouvelle version %2 vient de sortir.</translation>
    </message>
    <message>
        <source>You should consider to update soon.</source>
        <translation>Vous devriez penser à mettre à jour bientôt.</translation>
    </message>
    <message>
        <source>You have to update, this program version is not appropriate anymore.</source>
        <translation>Vous devez mettre à jour : cette version du programme ne convient plus.</translation>
    </message>
    <message>
        <source>
Please go to %3</source>
        <translation>
Rendez-vous sur %3</translation>
    </message>
    <message>
        <source>New Analysis Data available on the Server: </source>
        <translation>Nouvelles analyses disponibles sur le serveur : </translation>
    </message>
    <message>
        <source> %1 pages, %2 text messages and %3 pictures
</source>
        <translation> %1 pages, %2 messages et %3 images
</translation>
    </message>
    <message>
        <source>The actual status on the server:</source>
        <translation>L&apos;état actuel sur le serveur :</translation>
    </message>
    <message>
        <source># members:  %1</source>
        <translation>Membres :  %1</translation>
    </message>
    <message>
        <source># purses :  %1</source>
        <translation>Porte-monnaie :  %1</translation>
    </message>
    <message>
        <source>Total Uploaded Sum:  %1 Euro</source>
        <translation>Somme totale envoyée :  %1 euros</translation>
    </message>
    <message>
        <source>last upload from: %1</source>
        <translation>dernier envoi depuis : %1</translation>
    </message>
    <message>
        <source>suggested next session around: %1</source>
        <translation>prochaine séance conseillée vers le : %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>ZUV Settings</source>
        <translation>Paramètres ZUV</translation>
    </message>
    <message>
        <source>It is necessary that you give these informations</source>
        <translation>Ces informations sont indispensables</translation>
    </message>
    <message>
        <source>Where are you?</source>
        <translation>Où êtes-vous ?</translation>
    </message>
    <message>
        <source>Very important because the diffusion is &quot;Where?&quot;-dependent</source>
        <translation>Très important, car la diffusion dépend du « Où ? »</translation>
    </message>
    <message>
        <source> Country</source>
        <translation> Pays</translation>
    </message>
    <message>
        <source>The country where you make most of your transactions</source>
        <translation>Le pays où vous faites la plupart de vos achats</translation>
    </message>
    <message>
        <source> &amp;Postal Code</source>
        <translation> &amp;Code postal</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits)</source>
        <translation>Le code postal de votre ville (au moins 2 chiffres)</translation>
    </message>
    <message>
        <source> City Size</source>
        <translation> Taille de la ville</translation>
    </message>
    <message>
        <source>Choose the population of your city</source>
        <translation>Choisissez la population de votre ville</translation>
    </message>
    <message>
        <source>Tell us the population of your city</source>
        <translation>Indiquez-nous la population de votre ville</translation>
    </message>
    <message>
        <source>Sign this contract</source>
        <translation>Signez ce contrat</translation>
    </message>
    <message>
        <source>§1: </source>
        <translation>§1 : </translation>
    </message>
    <message>
        <source>obligatory !</source>
        <translation>obligatoire !</translation>
    </message>
    <message>
        <source>I promise not to send in fake data, because it would endanger the scientific analysis.</source>
        <translation>Je promets de ne pas envoyer de fausses données, car elles compromettraient l&apos;analyse scientifique.</translation>
    </message>
    <message>
        <source>That goes without saying, but please please please keep to this rule!</source>
        <translation>Cela va sans dire, mais s&apos;il vous plaît, s&apos;il vous plaît, respectez cette règle !</translation>
    </message>
    <message>
        <source>§2: </source>
        <translation>§2 : </translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <source>I agree to how I am using this program is observed for research on ergonomics and for improving future versions.</source>
        <translation>J&apos;accepte que mon usage du programme soit observé pour la recherche en ergonomie et les versions futures.</translation>
    </message>
    <message>
        <source>For example, pressing a button in ZUV is recorded. No harm to you, but very informative for e.g. the programmer who wants to optimize it.</source>
        <translation>Par exemple, chaque bouton pressé dans ZUV est enregistré. Cela ne vous nuit en rien, mais c&apos;est très instructif, par exemple pour le programmeur qui veut l&apos;améliorer.</translation>
    </message>
    <message>
        <source>Privacy Statement:
All uploaded data will be used for research intentions only. Maximal anonymity is promised!</source>
        <translation>Protection des données :
Toutes les données envoyées servent uniquement à la recherche. Nous vous promettons le plus grand anonymat !</translation>
    </message>
    <message>
        <source>Who told you about this?</source>
        <translation>Qui vous en a parlé ?</translation>
    </message>
    <message>
        <source>A recommends it to B and C; C recommends it to D, E and F; F recommends it to G, ... the program spreads by talking about it!</source>
        <translation>A le recommande à B et C ; C le recommande à D, E et F ; F le recommande à G… le programme se répand de bouche à oreille !</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers! If several, separate by comma.</source>
        <translation>Demandez leurs numéros de membre à vos parrains ! S&apos;il y en a plusieurs, séparez-les par des virgules.</translation>
    </message>
    <message>
        <source>ZUV-Membernumbers</source>
        <translation>Numéros de membre ZUV</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers!!! Later we can analyze how the program has spread over the planet!</source>
        <translation>Demandez leurs numéros de membre à vos parrains !!! Nous pourrons ensuite analyser comment le programme s&apos;est répandu sur la planète !</translation>
    </message>
    <message>
        <source>several...</source>
        <translation>plusieurs…</translation>
    </message>
    <message>
        <source>or use this dialog for inputting several recommenders</source>
        <translation>ou utilisez cette boîte de dialogue pour saisir plusieurs parrains</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OU</translation>
    </message>
    <message>
        <source>Or give both, Membernumber and Name, if that organization has mentioned their usernumber</source>
        <translation>Ou indiquez les deux, numéro de membre et nom, si cet organisme a mentionné son numéro</translation>
    </message>
    <message>
        <source>example: Perhaps you heard about ZUV on the radio? Name the radio station.</source>
        <translation>exemple : vous avez peut-être entendu parler de ZUV à la radio ? Indiquez la station.</translation>
    </message>
    <message>
        <source>Name of organization</source>
        <translation>Nom de l&apos;organisme</translation>
    </message>
    <message>
        <source>NECESSARY Localization</source>
        <translation>Localisation INDISPENSABLE</translation>
    </message>
    <message>
        <source>If you want to, I can provide useful services for you. Click here.</source>
        <translation>Si vous le souhaitez, je peux vous proposer des services utiles. Cliquez ici.</translation>
    </message>
    <message>
        <source>Service Settings</source>
        <translation>Paramètres des services</translation>
    </message>
    <message>
        <source>You can also order these services on the website  </source>
        <translation>Vous pouvez aussi commander ces services sur le site web  </translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>please type in your eMail address if you want me to contact you.</source>
        <translation>saisissez votre adresse e-mail si vous souhaitez que je vous contacte.</translation>
    </message>
    <message>
        <source>I want reminder messages &quot;Zuvanta!&quot;</source>
        <translation>Je veux des rappels « Zuvanta! »</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>chaque semaine</translation>
    </message>
    <message>
        <source>bi-monthly</source>
        <translation>tous les deux mois</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>chaque mois</translation>
    </message>
    <message>
        <source>I want informations about the project (newsletter).</source>
        <translation>Je veux des informations sur le projet (lettre d&apos;information).</translation>
    </message>
    <message>
        <source>I offer my help for this project.</source>
        <translation>J&apos;offre mon aide à ce projet.</translation>
    </message>
    <message>
        <source>I would like to analyze the data.</source>
        <translation>J&apos;aimerais analyser les données.</translation>
    </message>
    <message>
        <source>USEFUL Service</source>
        <translation>Services UTILES</translation>
    </message>
    <message>
        <source>If you want to, you can tell me your opinion about this project. Click.</source>
        <translation>Si vous le souhaitez, vous pouvez me donner votre avis sur ce projet. Cliquez.</translation>
    </message>
    <message>
        <source>Your opinion counts</source>
        <translation>Votre avis compte</translation>
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
        <translation>Jamais</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Please give a guess, when your purse will show the same distribution of countries as the distribution of produced coins ... (when are the European coins mixed completely?)</source>
        <translation>Selon vous, quand votre porte-monnaie montrera-t-il la même répartition des pays que les pièces frappées… (quand les pièces en euros seront-elles complètement brassées ?)</translation>
    </message>
    <message>
        <source>Please give a guess, when you will have had 
all European coins in your purse once?</source>
        <translation>Selon vous, quand aurez-vous eu 
toutes les pièces européennes au moins une fois dans votre porte-monnaie ?</translation>
    </message>
    <message>
        <source>Describe yourself or an idea or leave a message.</source>
        <translation>Présentez-vous, partagez une idée ou laissez un message.</translation>
    </message>
    <message>
        <source>If you want my answer to this comment, you should provide your eMail-address.</source>
        <translation>Si vous souhaitez une réponse à ce commentaire, indiquez votre adresse e-mail.</translation>
    </message>
    <message>
        <source>VOLUNTARY opinion</source>
        <translation>Avis FACULTATIF</translation>
    </message>
    <message>
        <source>On your first upload to the server you become a member!</source>
        <translation>Lors de votre premier envoi au serveur, vous devenez membre !</translation>
    </message>
    <message>
        <source>Your 
membernumber:</source>
        <translation>Votre numéro 
de membre :</translation>
    </message>
    <message>
        <source>Why a membernumber? Apart from technical reasons, we can later analyze how this program spread over the planet because of your recommendation!</source>
        <translation>Pourquoi un numéro de membre ? Outre des raisons techniques, nous pourrons analyser plus tard comment ce programme s&apos;est répandu sur la planète grâce à votre recommandation !</translation>
    </message>
    <message>
        <source>Whenever you recommend this program, please mention your membernumber.</source>
        <translation>Chaque fois que vous recommandez ce programme, mentionnez votre numéro de membre.</translation>
    </message>
    <message>
        <source>You joined us on:</source>
        <translation>Membre depuis le :</translation>
    </message>
    <message>
        <source>Welcome Message:</source>
        <translation>Message de bienvenue :</translation>
    </message>
    <message>
        <source>Membernumber</source>
        <translation>Numéro de membre</translation>
    </message>
    <message>
        <source>Back to old settings</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>resets the settings to the state of the last saving</source>
        <translation>rétablit les paramètres tels qu&apos;ils étaient lors du dernier enregistrement</translation>
    </message>
    <message>
        <source>You have to fill in where you are and sign §1 of the contract to participate in the European project &quot;Zuvanta!&quot;.</source>
        <translation>Pour participer au projet européen « Zuvanta! », vous devez indiquer où vous êtes et signer le §1 du contrat.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>save these settings and go back</source>
        <translation>enregistrer ces paramètres et revenir</translation>
    </message>
</context>
<context>
    <name>SlideShow</name>
    <message>
        <source>previous coin</source>
        <translation>pièce précédente</translation>
    </message>
    <message>
        <source>next coin</source>
        <translation>pièce suivante</translation>
    </message>
    <message>
        <source>previous country</source>
        <translation>pays précédent</translation>
    </message>
    <message>
        <source>next country</source>
        <translation>pays suivant</translation>
    </message>
    <message>
        <source>Loading pictures...</source>
        <translation>Chargement des images…</translation>
    </message>
    <message>
        <source>Abort not possible</source>
        <translation>Impossible d&apos;interrompre</translation>
    </message>
    <message>
        <source>Sorry, your version of Qt doesn&apos;t support &apos;%1&apos; files, only these filetypes are supported:
%2
Please re-configure Qt and build it again (or ask your admin)
See &apos; $QTDIR/configure -help | more &apos; for informations how to...

ZUV will work, but you won&apos;t see the coin pictures! What a pity...</source>
        <translation>Désolé, votre version de Qt ne lit pas les fichiers « %1 », seulement ces types de fichiers :
%2
Veuillez reconfigurer Qt et le recompiler (ou demandez à votre administrateur).
Voir &apos; $QTDIR/configure -help | more &apos; pour savoir comment faire...

ZUV fonctionnera, mais vous ne verrez pas les images des pièces ! Dommage...</translation>
    </message>
    <message>
        <source>Of %1 total coins:%2 files loaded,%3 pictures could not be read.
To have a nicer program, you might want to check the website for more pictures?</source>
        <translation>Sur %1 pièces au total : %2 fichiers chargés, %3 images illisibles.
Pour un programme plus joli, vous trouverez peut-être d&apos;autres images sur le site web ?</translation>
    </message>
    <message>
        <source>Picture format not supported by Qt</source>
        <translation>Format d&apos;image non pris en charge par Qt</translation>
    </message>
    <message>
        <source>ZUV: You could download (more) coin pictures</source>
        <translation>ZUV : vous pouvez télécharger (d&apos;autres) images de pièces</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Ne plus afficher</translation>
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
        <translation>500 - 1 000</translation>
    </message>
    <message>
        <source>1,000 - 5,000</source>
        <translation>1 000 - 5 000</translation>
    </message>
    <message>
        <source>5,000 - 10,000</source>
        <translation>5 000 - 10 000</translation>
    </message>
    <message>
        <source>10,000 - 50,000</source>
        <translation>10 000 - 50 000</translation>
    </message>
    <message>
        <source>50,000 - 100,000</source>
        <translation>50 000 - 100 000</translation>
    </message>
    <message>
        <source>100,000 - 500,000</source>
        <translation>100 000 - 500 000</translation>
    </message>
    <message>
        <source>500,000 - 1,000,000</source>
        <translation>500 000 - 1 000 000</translation>
    </message>
    <message>
        <source>1,000,000 - 5,000,000</source>
        <translation>1 000 000 - 5 000 000</translation>
    </message>
    <message>
        <source>&gt; 5,000,000</source>
        <translation>&gt; 5 000 000</translation>
    </message>
    <message>
        <source>I do not know it</source>
        <translation>Je ne sais pas</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>ERROR Usage::StoreEvent : there is no event called %1</source>
        <translation>ERREUR Usage::StoreEvent : aucun événement ne s&apos;appelle %1</translation>
    </message>
    <message>
        <source>Time in s</source>
        <translation>Temps en s</translation>
    </message>
    <message>
        <source>Event ID</source>
        <translation>N° d&apos;événement</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Nom de l&apos;événement</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Event Name</source>
        <translation>Nom de l&apos;événement</translation>
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
        <translation>Zuvanta - ZUV pour la recherche (v%1 - %1)</translation>
    </message>
    <message>
        <source>-&gt;
&amp;Insert</source>
        <translation>-&gt;
&amp;Ajouter</translation>
    </message>
    <message>
        <source>&lt;-
Take Away</source>
        <translation>&lt;-
Retirer</translation>
    </message>
    <message>
        <source>Save purse and QUIT</source>
        <translation>Enregistrer et QUITTER</translation>
    </message>
    <message>
        <source>Upload purses</source>
        <translation>Envoyer les porte-monnaie</translation>
    </message>
    <message>
        <source>Your settings</source>
        <translation>Vos paramètres</translation>
    </message>
    <message>
        <source>See the newest
data analysis</source>
        <translation>Voir la dernière
analyse des données</translation>
    </message>
    <message>
        <source>about this project</source>
        <translation>à propos de ce projet</translation>
    </message>
    <message>
        <source>invite friends</source>
        <translation>inviter des amis</translation>
    </message>
    <message>
        <source>just QUIT</source>
        <translation>QUITTER simplement</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Ignorer les
données enregistrées.</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Quitter maintenant</translation>
    </message>
    <message>
        <source>The project&apos;s results and your own countings can be shown here, in a window of their own.

Or watch results online: </source>
        <translation>Les résultats du projet et vos propres comptages peuvent s&apos;afficher ici, dans une fenêtre à part.

Ou consultez les résultats en ligne : </translation>
    </message>
    <message>
        <source>OK, try to open the page now</source>
        <translation>D&apos;accord, ouvrir la page maintenant</translation>
    </message>
    <message>
        <source>Cancel, I remember the URL</source>
        <translation>Annuler, je retiens l&apos;adresse</translation>
    </message>
    <message>
        <source>Show the results here</source>
        <translation>Afficher les résultats ici</translation>
    </message>
    <message>
        <source>If you quit now, this table will be lost!

Rather press &apos;SAVE&apos; or &apos;UPLOAD&apos;, if you want to have it stored.</source>
        <translation>Si vous quittez maintenant, ce tableau sera perdu !

Appuyez plutôt sur « ENREGISTRER » ou « ENVOYER » si vous voulez le conserver.</translation>
    </message>
    <message>
        <source>OK, I will not quit</source>
        <translation>D&apos;accord, je ne quitte pas</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Quitter quand même</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the program</source>
        <translation>D&apos;accord, je fais de mon mieux.
Retour au programme</translation>
    </message>
    <message>
        <source>No, quit anyway and
discard my data of this session</source>
        <translation>Non, quitter quand même et
abandonner mes données de cette session</translation>
    </message>
    <message>
        <source>Stored Purses on disk: </source>
        <translation>Porte-monnaie enregistrés : </translation>
    </message>
    <message>
        <source>See data analysis</source>
        <translation>Voir l&apos;analyse des données</translation>
    </message>
    <message>
        <source>file error</source>
        <translation>erreur de fichier</translation>
    </message>
    <message>
        <source>ZUV loosing your data</source>
        <translation>ZUV perd vos données</translation>
    </message>
    <message>
        <source>ZUV cannot save your data</source>
        <translation>ZUV ne peut pas enregistrer vos données</translation>
    </message>
    <message>
        <source>The results window cannot be opened:
%1</source>
        <translation>Impossible d&apos;ouvrir la fenêtre des résultats :
%1</translation>
    </message>
</context>
</TS>
