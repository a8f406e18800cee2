<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>¡ZUV es un proyecto de investigación que te necesita!
Se puede estudiar cómo se difunden las monedas de euro nacionales
si suficientes personas amables de toda Europa dedican 1 o 2 minutos a la semana
o al mes a introducir su monedero en este programa.

Todos los datos se envían a un servidor por Internet, se analizan
y el análisis se publica lo antes posible.

¡Introduce solo monedas de tu monedero de cada día, no de tu colección de monedas!
¡Pronto programaré una versión para coleccionistas, pero por ahora introduce solo monedas en circulación!

Versión del programa %1 (%2)
Copyright (C) 2002 el proyecto de investigación ZUV. Todos los derechos reservados.
Puedes copiar y distribuir este programa sin modificarlo y de forma gratuita.

Para soporte técnico, ofertas de patrocinio o avisos de novedades,
visita  %3
</translation>
    </message>
</context>
<context>
    <name>Client</name>
    <message>
        <source>ZUV client (%1) for data transfer to server</source>
        <translation>Programa ZUV (%1) para enviar los datos al servidor</translation>
    </message>
    <message>
        <source>&amp;Open Connection</source>
        <translation>&amp;Abrir conexión</translation>
    </message>
    <message>
        <source>Clear &amp;Window</source>
        <translation>&amp;Vaciar ventana</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>switch to single operation steps (for BETA only)</source>
        <translation>pasar a pasos individuales (solo para la BETA)</translation>
    </message>
    <message>
        <source>This is for testing the beta version</source>
        <translation>Sirve para probar la versión beta</translation>
    </message>
    <message>
        <source>Set &amp;Server Address</source>
        <translation>Fijar dirección del &amp;servidor</translation>
    </message>
    <message>
        <source>Send &amp;Data</source>
        <translation>Enviar &amp;datos</translation>
    </message>
    <message>
        <source>Send &amp;Faulty Format</source>
        <translation>Enviar &amp;formato erróneo</translation>
    </message>
    <message>
        <source>Send &amp;Too Much</source>
        <translation>Enviar &amp;demasiados datos</translation>
    </message>
    <message>
        <source>Send Old &amp;Version</source>
        <translation>Enviar &amp;versión antigua</translation>
    </message>
    <message>
        <source>Send &amp;Too New Version</source>
        <translation>Enviar versión demasiado &amp;nueva</translation>
    </message>
    <message>
        <source>&amp;Close Connection</source>
        <translation>&amp;Cerrar conexión</translation>
    </message>
    <message>
        <source>ZUV net error %1</source>
        <translation>Error de red de ZUV %1</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Salir ahora</translation>
    </message>
    <message>
        <source>Socket error number %1 occurred</source>
        <translation>Se produjo el error de socket número %1</translation>
    </message>
    <message>
        <source>Server changed to  %1:%2 </source>
        <translation>Servidor cambiado a  %1:%2 </translation>
    </message>
    <message>
        <source>Client had to close the connection %1 for reason %2</source>
        <translation>El programa tuvo que cerrar la conexión %1 por el motivo %2</translation>
    </message>
    <message>
        <source>
%1 very proudly presents:
The CLIENT %2 of ZUV v%3 - Please connect to the Server now.
</source>
        <translation>
%1 presenta con mucho orgullo:
El programa %2 de ZUV v%3 – Conéctate ahora al servidor.
</translation>
    </message>
    <message>
        <source>Trying to connect to the server...</source>
        <translation>Intentando conectar con el servidor...</translation>
    </message>
    <message>
        <source>starting to send to server...</source>
        <translation>empezando a enviar al servidor...</translation>
    </message>
    <message>
        <source>transmission not successful!</source>
        <translation>¡la transmisión ha fallado!</translation>
    </message>
    <message>
        <source>Hostname found in DNS...</source>
        <translation>Nombre de host encontrado en el DNS...</translation>
    </message>
    <message>
        <source>Host not found in DNS.</source>
        <translation>Host no encontrado en el DNS.</translation>
    </message>
    <message>
        <source>Please check Internet connection and try again.</source>
        <translation>Comprueba la conexión a Internet y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Connected to server</source>
        <translation>Conectado al servidor</translation>
    </message>
    <message>
        <source>Server cannot be reached at the moment.</source>
        <translation>En este momento no se puede acceder al servidor.</translation>
    </message>
    <message>
        <source>Please check your Internet connection and try again (later).</source>
        <translation>Comprueba tu conexión a Internet y vuelve a intentarlo (más tarde).</translation>
    </message>
    <message>
        <source>Connection closed by the server. Malfunction, please try again (later).</source>
        <translation>El servidor ha cerrado la conexión. Un fallo: vuelve a intentarlo (más tarde).</translation>
    </message>
    <message>
        <source>Connection closed properly</source>
        <translation>Conexión cerrada correctamente</translation>
    </message>
    <message>
        <source>receiving from server...</source>
        <translation>recibiendo del servidor...</translation>
    </message>
    <message>
        <source>all data arrived from server</source>
        <translation>han llegado todos los datos del servidor</translation>
    </message>
    <message>
        <source>Don&apos;t know. Please send an idea to %1</source>
        <translation>No lo sé. Envía una idea a %1</translation>
    </message>
    <message>
        <source>A problem occurred:
 (%1) %2
Suggested solution:
 %3</source>
        <translation>Se ha producido un problema:
 (%1) %2
Solución propuesta:
 %3</translation>
    </message>
    <message>
        <source>Some problem occurred during connection</source>
        <translation>Se ha producido un problema durante la conexión</translation>
    </message>
    <message>
        <source>

Because server answered:
</source>
        <translation>

Porque el servidor respondió:
</translation>
    </message>
    <message>
        <source>Don&apos;t know</source>
        <translation>No lo sé</translation>
    </message>
    <message>
        <source>Communication with Server failed</source>
        <translation>La comunicación con el servidor ha fallado</translation>
    </message>
</context>
<context>
    <name>Coin</name>
    <message>
        <source>1c</source>
        <translation>1 cént.</translation>
    </message>
    <message>
        <source>2c</source>
        <translation>2 cént.</translation>
    </message>
    <message>
        <source>5c</source>
        <translation>5 cént.</translation>
    </message>
    <message>
        <source>10c</source>
        <translation>10 cént.</translation>
    </message>
    <message>
        <source>20c</source>
        <translation>20 cént.</translation>
    </message>
    <message>
        <source>50c</source>
        <translation>50 cént.</translation>
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
        <translation>Las monedas de tu monedero</translation>
    </message>
    <message>
        <source>RESET
this table to 0</source>
        <translation>PONER A 0
esta tabla</translation>
    </message>
    <message>
        <source>Euro Coins</source>
        <translation>Monedas de euro</translation>
    </message>
    <message>
        <source>Please type in positive NUMBERS only!
The field will be set to 0 now.</source>
        <translation>¡Escribe solo NÚMEROS positivos!
El campo se pondrá ahora a 0.</translation>
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
        <translation>Cara común</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
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
        <translation>Alemania</translation>
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
        <translation>Luxemburgo</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation>Mónaco</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Países Bajos</translation>
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
        <translation>España</translation>
    </message>
    <message>
        <source>Vatican</source>
        <translation>Vaticano</translation>
    </message>
    <message>
        <source>Other European Country</source>
        <translation>Otro país europeo</translation>
    </message>
    <message>
        <source>North Africa</source>
        <translation>Norte de África</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Sudáfrica</translation>
    </message>
    <message>
        <source>West Asia</source>
        <translation>Asia occidental</translation>
    </message>
    <message>
        <source>East Asia</source>
        <translation>Asia oriental</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacífico</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América del Norte</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América del Sur</translation>
    </message>
    <message>
        <source>Arctis</source>
        <translation>Ártico</translation>
    </message>
    <message>
        <source>Antarctis</source>
        <translation>Antártida</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send ZUV invitations to your friends</source>
        <translation>Enviar invitaciones de ZUV a tus amigos</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the settings.</source>
        <translation>De acuerdo, haré lo posible.
Volver a la configuración.</translation>
    </message>
    <message>
        <source>No, discard my settings changes.</source>
        <translation>No, descartar mis cambios.</translation>
    </message>
    <message>
        <source>Before you can upload your data, you are asked 
to fill in some information about you.

</source>
        <translation>Antes de poder enviar tus datos, 
te pedimos algunos datos sobre ti.

</translation>
    </message>
    <message>
        <source>Your ZUV Settings are not complete!

</source>
        <translation>¡Tu configuración de ZUV no está completa!

</translation>
    </message>
    <message>
        <source>Please fill in where you are!
The Euro diffusion depends on the location.
</source>
        <translation>¡Indica dónde estás!
La difusión del euro depende del lugar.
</translation>
    </message>
    <message>
        <source>This program is part of a scientific research project.
</source>
        <translation>Este programa forma parte de un proyecto de investigación científica.
</translation>
    </message>
    <message>
        <source>Please fill in necessary information</source>
        <translation>Completa los datos necesarios</translation>
    </message>
    <message>
        <source>ZUV Settings not complete</source>
        <translation>Configuración de ZUV incompleta</translation>
    </message>
    <message>
        <source>OK, I do</source>
        <translation>Sí, lo firmo</translation>
    </message>
    <message>
        <source>No, I don&apos;t</source>
        <translation>No, no lo firmo</translation>
    </message>
    <message>
        <source>Participation endangered</source>
        <translation>Participación en peligro</translation>
    </message>
    <message>
        <source>Then the program would be terminated now
loosing your data...!</source>
        <translation>Entonces el programa se cerraría ahora
y perderías tus datos...</translation>
    </message>
    <message>
        <source>OK, I want to participate</source>
        <translation>Sí, quiero participar</translation>
    </message>
    <message>
        <source>Quit, I don&apos;t participate</source>
        <translation>Salir, no participo</translation>
    </message>
    <message>
        <source>Your membership in the ZUV-project</source>
        <translation>Tu afiliación al proyecto ZUV</translation>
    </message>
    <message>
        <source> &amp;Country, City</source>
        <translation> &amp;País, ciudad</translation>
    </message>
    <message>
        <source>Please name your Country and City</source>
        <translation>Indica tu país y tu ciudad</translation>
    </message>
    <message>
        <source> Postal &amp;Code</source>
        <translation> &amp;Código postal</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits).</source>
        <translation>El código postal de tu ciudad (al menos 2 cifras).</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Ignorar los
datos guardados.</translation>
    </message>
    <message>
        <source>Quit now
(loosing new data of today!)</source>
        <translation>Salir ahora
(¡se perderán los datos nuevos de hoy!)</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please try again</source>
        <translation>De acuerdo, haré lo posible.
Reintentar</translation>
    </message>
    <message>
        <source>No, quit anyway. I don&apos;t need an archive.</source>
        <translation>No, salir de todos modos. No necesito un archivo.</translation>
    </message>
    <message>
        <source>ZUV says thank you</source>
        <translation>ZUV te da las gracias</translation>
    </message>
    <message>
        <source>Thanks a lot.</source>
        <translation>Muchas gracias.</translation>
    </message>
    <message>
        <source>Your data has been saved to %1.</source>
        <translation>Tus datos se han guardado en %1.</translation>
    </message>
    <message>
        <source>
See you next time...</source>
        <translation>
Hasta la próxima...</translation>
    </message>
    <message>
        <source>Today featuring ...</source>
        <translation>Hoy destacamos...</translation>
    </message>
    <message>
        <source>To ensure data quality, you are asked to sign §1 of the contract</source>
        <translation>Para garantizar la calidad de los datos, te pedimos que firmes el §1 del contrato</translation>
    </message>
    <message>
        <source>If you don&apos;t sign paragraph §1 of the contract,
you can&apos;t participate in this project, sorry.
</source>
        <translation>Si no firmas el §1 del contrato,
lo sentimos, no puedes participar en este proyecto.
</translation>
    </message>
    <message>
        <source>
Optional:
You could enable us to optimize this and other programs
by research on ergonomics. Therefore, it would be very nice,
if you allowed us to log the usage by also signing paragraph §2.</source>
        <translation>
Opcional:
Podrías ayudarnos a mejorar este y otros programas
con la investigación en ergonomía. Por eso nos gustaría mucho
que nos permitieras registrar el uso firmando también el §2.</translation>
    </message>
    <message>
        <source>About (ZUV) Zuvanta!</source>
        <translation>Acerca de (ZUV) Zuvanta!</translation>
    </message>
    <message>
        <source>WWW:
Project Homepage</source>
        <translation>WWW:
web del proyecto</translation>
    </message>
    <message>
        <source>WWW:
Download new version</source>
        <translation>WWW:
descargar la nueva versión</translation>
    </message>
    <message>
        <source>ZUV cannot save your settings</source>
        <translation>ZUV no puede guardar tu configuración</translation>
    </message>
    <message>
        <source>ZUV: archive file error</source>
        <translation>ZUV: error en el fichero de archivo</translation>
    </message>
    <message>
        <source>ZUV cannot save your archive</source>
        <translation>ZUV no puede guardar tu archivo</translation>
    </message>
    <message>
        <source>The connection window cannot be opened:
%1</source>
        <translation>No se puede abrir la ventana de conexión:
%1</translation>
    </message>
</context>
<context>
    <name>ErrorHelp</name>
    <message>
        <source>Delete your datafile and restart ZUV.</source>
        <translation>Borra tu archivo de datos y vuelve a iniciar ZUV.</translation>
    </message>
    <message>
        <source>It is important that you notify the author of his server malfunction!</source>
        <translation>¡Es importante que avises al autor de que su servidor no funciona bien!</translation>
    </message>
    <message>
        <source>Use newer programversion! %1</source>
        <translation>¡Usa una versión más reciente del programa! %1</translation>
    </message>
    <message>
        <source>No problem. We just start from scratch.</source>
        <translation>No pasa nada. Simplemente empezamos de cero.</translation>
    </message>
    <message>
        <source>The checksum of the data file/stream is incorrect! Can have many reasons - all fatal!</source>
        <translation>¡La suma de control del archivo o del flujo de datos no es correcta! Puede haber muchas causas, todas fatales.</translation>
    </message>
    <message>
        <source>Download a newer programversion %1</source>
        <translation>Descarga una versión más reciente del programa: %1</translation>
    </message>
    <message>
        <source>Perhaps try again later.</source>
        <translation>Quizá puedas volver a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Doesn&apos;t seem to be a ZUV server on the other side. Misuse? Please tell the author!</source>
        <translation>Al otro lado no parece haber un servidor ZUV. ¿Un abuso? ¡Avisa al autor, por favor!</translation>
    </message>
    <message>
        <source>Try later when the net traffic is not so busy.</source>
        <translation>Inténtalo más tarde, cuando la red esté menos saturada.</translation>
    </message>
    <message>
        <source>Please download a new version from %1</source>
        <translation>Descarga una nueva versión de %1</translation>
    </message>
    <message>
        <source>A bug. Please contact the author.</source>
        <translation>Un error del programa. Ponte en contacto con el autor.</translation>
    </message>
    <message>
        <source>Your datafile is probably write-protected. Remove that.</source>
        <translation>Tu archivo de datos probablemente está protegido contra escritura. Quita esa protección.</translation>
    </message>
    <message>
        <source>Very strange - please tell the author!</source>
        <translation>Muy extraño: ¡avisa al autor, por favor!</translation>
    </message>
    <message>
        <source>Try again tomorrow (best), contact the author (good) or delete your datafile (not so good)</source>
        <translation>Vuelve a intentarlo mañana (lo mejor), ponte en contacto con el autor (bien) o borra tu archivo de datos (no tan bien)</translation>
    </message>
    <message>
        <source>No working Internet connection on your side. Fix it . OR: No server running. Nothing you can do now. Please try again later. </source>
        <translation>Tu conexión a Internet no funciona. Arréglala. O BIEN: no hay ningún servidor en marcha. Ahora no puedes hacer nada. Vuelve a intentarlo más tarde. </translation>
    </message>
    <message>
        <source>Not a problem at all. Your data has been uploaded successfully!</source>
        <translation>Ningún problema. ¡Tus datos se han enviado correctamente!</translation>
    </message>
    <message>
        <source>Probably best idea to get a newer programversion or describe the problem to the author.</source>
        <translation>Probablemente lo mejor sea conseguir una versión más reciente del programa o describir el problema al autor.</translation>
    </message>
    <message>
        <source>Please try again later or contact the author.</source>
        <translation>Vuelve a intentarlo más tarde o ponte en contacto con el autor.</translation>
    </message>
    <message>
        <source>Your client doesn&apos;t understand the server anymore. New version from %1 !</source>
        <translation>Tu programa ya no entiende al servidor. ¡Hay una nueva versión en %1!</translation>
    </message>
    <message>
        <source>

Please write a short message
with a description of this problem
to %1</source>
        <translation>

Escribe un mensaje breve
con una descripción del problema
a %1</translation>
    </message>
    <message>
        <source>
Possible solution:
</source>
        <translation>
Posible solución:
</translation>
    </message>
</context>
<context>
    <name>FatalError</name>
    <message>
        <source>ZUV fatal logical error</source>
        <translation>ZUV: error lógico fatal</translation>
    </message>
    <message>
        <source>ZUV fatal file error</source>
        <translation>ZUV: error de archivo fatal</translation>
    </message>
    <message>
        <source>ZUV fatal network error</source>
        <translation>ZUV: error de red fatal</translation>
    </message>
    <message>
        <source>ZUV fatal stream error</source>
        <translation>ZUV: error fatal en el flujo de datos</translation>
    </message>
    <message>
        <source>ZUV fatal error</source>
        <translation>ZUV: error fatal</translation>
    </message>
    <message>
        <source>ZUV unknown error</source>
        <translation>ZUV: error desconocido</translation>
    </message>
</context>
<context>
    <name>Invitations</name>
    <message>
        <source>Invite by zuvmail to join the project and to mention 
YOUR membernumber as their recommender.
</source>
        <translation>Invita por zuvmail a unirse al proyecto indicando 
TU número de miembro como quien lo recomendó.
</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>&amp;insert</source>
        <translation>&amp;añadir</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>quitar</translation>
    </message>
    <message>
        <source>Send your favourite coin
in the zuvmail postcard:</source>
        <translation>Envía tu moneda favorita
en la postal zuvmail:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This is not a valid
%1</source>
        <translation>Esto no es una dirección válida
%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;
is not a valid
%2</source>
        <translation>«%1»
no es una dirección válida
%2</translation>
    </message>
    <message>
        <source>first click the to
be deleted person</source>
        <translation>primero haz clic en la
persona que quieres borrar</translation>
    </message>
    <message>
        <source>Sorry, that invitation
was already uploaded.</source>
        <translation>Lo siento, esa invitación
ya se ha enviado.</translation>
    </message>
</context>
<context>
    <name>ProjectResultsView</name>
    <message>
        <source>You guessed %1.</source>
        <translation>Tu pronóstico: %1.</translation>
    </message>
    <message>
        <source>You guessed 2011-2020.</source>
        <translation>Tu pronóstico: 2011-2020.</translation>
    </message>
    <message>
        <source>You guessed 2021 or later.</source>
        <translation>Tu pronóstico: 2021 o más tarde.</translation>
    </message>
    <message>
        <source>You guessed never.</source>
        <translation>Tu pronóstico: nunca.</translation>
    </message>
    <message>
        <source>You have not guessed yet (&quot;Your settings&quot;).</source>
        <translation>Aún no has hecho ningún pronóstico («Tu configuración»).</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>The project&apos;s results cannot be downloaded from %1: %2.
The project server may be out of reach just now; try again in a while.</source>
        <translation>No se pueden descargar los resultados del proyecto desde %1: %2.
Quizá el servidor del proyecto no esté accesible ahora; vuelve a intentarlo dentro de un rato.</translation>
    </message>
    <message>
        <source>Loading the project&apos;s results from %1 ...</source>
        <translation>Cargando los resultados del proyecto desde %1...</translation>
    </message>
    <message>
        <source>The answer from %1 cannot be read as the project&apos;s results (%2).</source>
        <translation>La respuesta de %1 no se puede leer como resultados del proyecto (%2).</translation>
    </message>
    <message>
        <source>%1 members have counted %2 purses so far; published: %3 coins worth %4 Euro.</source>
        <translation>%1 miembros han contado %2 monederos hasta ahora; publicado: %3 monedas por valor de %4 euros.</translation>
    </message>
    <message>
        <source>Published on %1, once a day.</source>
        <translation>Publicado el %1, una vez al día.</translation>
    </message>
    <message>
        <source>%1 Nothing published: a number is published only where at least %2 members counted coins, so that no participant can be recognised.</source>
        <translation>%1 Nada publicado: un número solo se publica donde al menos %2 miembros contaron monedas, para que no se pueda reconocer a ningún participante.</translation>
    </message>
    <message>
        <source>Foreign share by month</source>
        <translation>Proporción extranjera por mes</translation>
    </message>
    <message>
        <source>Foreign share by month: nothing published yet</source>
        <translation>Proporción extranjera por mes: aún no hay nada publicado</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>monedas extranjeras</translation>
    </message>
    <message>
        <source>your guess</source>
        <translation>tu pronóstico</translation>
    </message>
    <message>
        <source>90% interval</source>
        <translation>intervalo del 90 %</translation>
    </message>
    <message>
        <source>model for %1</source>
        <translation>modelo para %1</translation>
    </message>
    <message>
        <source>All euro countries</source>
        <translation>Todos los países del euro</translation>
    </message>
    <message>
        <source>No forecast of the mixing is published for your member country.</source>
        <translation>No hay ningún pronóstico de la mezcla publicado para tu país de miembro.</translation>
    </message>
    <message>
        <source>%1: not enough countings yet for a forecast of the mixing (%2).</source>
        <translation>%1: aún no hay suficientes recuentos para pronosticar la mezcla (%2).</translation>
    </message>
    <message>
        <source>half the coins foreign in %1</source>
        <translation>la mitad de las monedas extranjeras: %1</translation>
    </message>
    <message>
        <source>half-way mixed in %1</source>
        <translation>mezcladas a medias: %1</translation>
    </message>
    <message>
        <source>%1: %2; mixed completely in %3.</source>
        <translation>%1: %2; mezcladas del todo: %3.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (fewer than %2)</source>
        <translation>%1 (menos de %2)</translation>
    </message>
    <message>
        <source>Our members&apos; guesses: %1</source>
        <translation>Los pronósticos de nuestros miembros: %1</translation>
    </message>
    <message>
        <source>; the countings say %1.</source>
        <translation>; los recuentos dicen %1.</translation>
    </message>
    <message>
        <source>Where the coins come from: nothing published yet</source>
        <translation>De dónde vienen las monedas: aún no hay nada publicado</translation>
    </message>
    <message>
        <source>Where the coins in %1 come from: %2 not published</source>
        <translation>De dónde vienen las monedas en %1: %2 no publicado</translation>
    </message>
    <message>
        <source>Where the %1 coins in %2 come from</source>
        <translation>De dónde vienen las %1 monedas en %2</translation>
    </message>
    <message>
        <source>share of the coins</source>
        <translation>proporción de las monedas</translation>
    </message>
    <message>
        <source>Foreign share by coin value</source>
        <translation>Proporción extranjera por valor de moneda</translation>
    </message>
    <message>
        <source>(The share of foreign coins once mixed is taken from the coins produced: %1, %2.)</source>
        <translation>(La proporción de monedas extranjeras con la mezcla completa se toma de las monedas acuñadas: %1, %2.)</translation>
    </message>
</context>
<context>
    <name>PurseResultsView</name>
    <message>
        <source>%1 countings: %2 coins worth %3 Euro, with %4 of the %5 national sides.</source>
        <translation>%1 recuentos: %2 monedas por valor de %3 euros, con %4 de las %5 caras nacionales.</translation>
    </message>
    <message>
        <source>Foreign national sides: %1 of %2 coins (%3 %).</source>
        <translation>Caras nacionales extranjeras: %1 de %2 monedas (%3 %).</translation>
    </message>
    <message>
        <source>The foreign share needs a euro country as your member country (see &quot;Your settings&quot;), so only the counts are shown.</source>
        <translation>La proporción extranjera necesita un país del euro como país de miembro (ver «Tu configuración»), así que solo se muestran los recuentos.</translation>
    </message>
    <message>
        <source>National side</source>
        <translation>Cara nacional</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>Vista por primera vez</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Your countings</source>
        <translation>Tus recuentos</translation>
    </message>
    <message>
        <source>coins counted</source>
        <translation>monedas contadas</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>monedas</translation>
    </message>
    <message>
        <source>foreign coins</source>
        <translation>monedas extranjeras</translation>
    </message>
    <message>
        <source>foreign share</source>
        <translation>proporción extranjera</translation>
    </message>
    <message>
        <source>1 cent</source>
        <translation>1 céntimo</translation>
    </message>
    <message>
        <source>2 cent</source>
        <translation>2 céntimos</translation>
    </message>
    <message>
        <source>5 cent</source>
        <translation>5 céntimos</translation>
    </message>
    <message>
        <source>10 cent</source>
        <translation>10 céntimos</translation>
    </message>
    <message>
        <source>20 cent</source>
        <translation>20 céntimos</translation>
    </message>
    <message>
        <source>50 cent</source>
        <translation>50 céntimos</translation>
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
        <translation>%1 más</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Of the %1 national coins (%2 values x %3 national sides) you have seen %4.</source>
        <translation>De las %1 monedas nacionales (%2 valores × %3 caras nacionales) has visto %4.</translation>
    </message>
    <message>
        <source>You have seen them all!</source>
        <translation>¡Las has visto todas!</translation>
    </message>
    <message>
        <source>At your %1 coins a month, with the coins as the members in %2 meet them, </source>
        <translation>Con tus %1 monedas al mes, y las monedas tal como las encuentran los miembros en %2, </translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: the rarest, %1, turn up too seldom there.</source>
        <translation>prácticamente nunca las habrás visto todas: las más raras, %1, aparecen allí muy pocas veces.</translation>
    </message>
    <message>
        <source>you will practically never have seen all of them: %1 are not among the coins published there.</source>
        <translation>prácticamente nunca las habrás visto todas: %1 no están entre las monedas publicadas allí.</translation>
    </message>
    <message>
        <source>you will have seen all of them in %1 (90%: %2 to %3). The rarest you still need: %4.</source>
        <translation>las habrás visto todas: %1 (90 %: de %2 a %3). Las más raras que aún te faltan: %4.</translation>
    </message>
    <message>
        <source>more than %1 years</source>
        <translation>más de %1 años</translation>
    </message>
    <message>
        <source>Your archive %1 cannot be read (%2), so the countings you have uploaded are missing here. The file is left as it is.</source>
        <translation>Tu archivo %1 no se puede leer (%2), así que aquí faltan los recuentos que has enviado. El fichero queda como está.</translation>
    </message>
    <message>
        <source>You have not counted a purse yet. Empty your purse, put each coin into the grid of the main window with &quot;Insert&quot; and press &quot;Save purse and QUIT&quot;: your countings then show here.</source>
        <translation>Aún no has contado ningún monedero. Vacía tu monedero, pon cada moneda en la cuadrícula de la ventana principal con «Añadir» y pulsa «Guardar y SALIR»: tus recuentos aparecerán aquí.</translation>
    </message>
    <message>
        <source>When you will have seen every coin follows once the project&apos;s results are read.</source>
        <translation>Cuándo habrás visto todas las monedas aparecerá en cuanto se lean los resultados del proyecto.</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>When you will have seen every coin needs the mix of coins the project publishes for your member country, and there is none.</source>
        <translation>Para saber cuándo habrás visto todas las monedas hace falta la mezcla de monedas que el proyecto publica para tu país de miembro, y no la hay.</translation>
    </message>
    <message>
        <source>Export your countings</source>
        <translation>Exportar tus recuentos</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Ficheros CSV (*.csv)</translation>
    </message>
    <message>
        <source>Your countings are saved in %1.</source>
        <translation>Tus recuentos se han guardado en %1.</translation>
    </message>
    <message>
        <source>ZUV cannot export your countings</source>
        <translation>ZUV no puede exportar tus recuentos</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).

Please choose another folder or name.</source>
        <translation>No se puede escribir el fichero %1 (%2).

Elige otra carpeta u otro nombre.</translation>
    </message>
</context>
<context>
    <name>RecommenderNumbersDialog</name>
    <message>
        <source>Recommenders&apos; membernumbers</source>
        <translation>Números de miembro de quienes te lo recomendaron</translation>
    </message>
    <message>
        <source>Type in the membernumbers of those people who recommended this programm to you. Then later I can show you how far your influence has spread over Europe.</source>
        <translation>Escribe los números de miembro de las personas que te recomendaron este programa. Más adelante podré mostrarte hasta dónde se ha extendido tu influencia por Europa.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Wrong Membernumber Format</source>
        <translation>Formato de número de miembro erróneo</translation>
    </message>
    <message>
        <source>For the recommenders&apos; membernumbers &quot;%1&quot; is a wrong entry.
They have to be (comma-separated) NUMBERs.</source>
        <translation>En los números de miembro de quienes te lo recomendaron, «%1» es una entrada errónea.
Tienen que ser NÚMEROS (separados por comas).</translation>
    </message>
    <message>
        <source> is no number.</source>
        <translation> no es un número.</translation>
    </message>
    <message>
        <source>click the to be deleted first</source>
        <translation>primero haz clic en la entrada que quieres borrar</translation>
    </message>
</context>
<context>
    <name>ResultsDownload</name>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>la respuesta supera los %1 KiB</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>sin respuesta en %1 segundos</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>%1 cent</source>
        <translation>%1 céntimos</translation>
    </message>
    <message>
        <source>%1 euro</source>
        <translation>%1 euros</translation>
    </message>
    <message>
        <source>nothing published there (no coins, or fewer than %1 members counted them)</source>
        <translation>aquí no se ha publicado nada (no hay monedas, o menos de %1 miembros las contaron)</translation>
    </message>
    <message>
        <source>Hatched: %1</source>
        <translation>Rayado: %1</translation>
    </message>
    <message>
        <source>%1, the model: %2 of the coins foreign once mixed completely</source>
        <translation>%1, el modelo: %2 de las monedas extranjeras con la mezcla completa</translation>
    </message>
    <message>
        <source>%1, %2: %3 of %4 coins foreign</source>
        <translation>%1, %2: %3 de %4 monedas extranjeras</translation>
    </message>
    <message>
        <source>Where the coins in each member country come from</source>
        <translation>De dónde vienen las monedas en cada país de miembro</translation>
    </message>
    <message>
        <source>%1, coins of %2: not published (none, or fewer than %3 members counted them)</source>
        <translation>%1, monedas de %2: no publicado (ninguna, o menos de %3 miembros las contaron)</translation>
    </message>
    <message>
        <source>%1, coins of %2: %3 (%4 of %5 coins)</source>
        <translation>%1, monedas de %2: %3 (%4 de %5 monedas)</translation>
    </message>
    <message>
        <source>Share of foreign coins by coin value</source>
        <translation>Proporción de monedas extranjeras por valor</translation>
    </message>
    <message>
        <source>%1: %2 of %3 coins foreign</source>
        <translation>%1: %2 de %3 monedas extranjeras</translation>
    </message>
    <message>
        <source>%1: not published (none, or fewer than %2 members counted it)</source>
        <translation>%1: no publicado (ninguna, o menos de %2 miembros la contaron)</translation>
    </message>
    <message>
        <source>%1 Euro</source>
        <translation>%1 euros</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;lead&quot;&gt;In %1, &lt;b&gt;%2&lt;/b&gt; of the coins our members counted in the euro countries had a national side from another country than their own.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;lead&quot;&gt;En %1, &lt;b&gt;%2&lt;/b&gt; de las monedas que contaron nuestros miembros en los países del euro tenían una cara nacional de un país distinto del suyo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;note&quot;&gt;Nothing that at least %1 members %2 counted in one month is published yet, so no share can be shown.&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;note&quot;&gt;Aún no se ha publicado nada que al menos %1 miembros hayan contado %2 en un mes, así que no se puede mostrar ninguna proporción.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>not in sight (%1 or later)</source>
        <translation>no a la vista (%1 o más tarde)</translation>
    </message>
    <message>
        <source>not in sight</source>
        <translation>no a la vista</translation>
    </message>
    <message>
        <source> or later</source>
        <translation> o más tarde</translation>
    </message>
    <message>
        <source>%1: not enough countings yet (%2)</source>
        <translation>%1: aún no hay suficientes recuentos (%2)</translation>
    </message>
    <message>
        <source>half the coins foreign in %1; </source>
        <translation>la mitad de las monedas extranjeras: %1; </translation>
    </message>
    <message>
        <source>mixed completely in %1</source>
        <translation>mezcladas del todo: %1</translation>
    </message>
    <message>
        <source>When our members guess the coins are mixed completely</source>
        <translation>Cuándo creen nuestros miembros que las monedas estarán mezcladas del todo</translation>
    </message>
    <message>
        <source>the countings</source>
        <translation>los recuentos</translation>
    </message>
    <message>
        <source>%1: %2 members</source>
        <translation>%1: %2 miembros</translation>
    </message>
    <message>
        <source>%1: fewer than %2 members</source>
        <translation>%1: menos de %2 miembros</translation>
    </message>
    <message>
        <source>fewer than %1 members guessed so</source>
        <translation>menos de %1 miembros pronosticaron esto</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;When will the coins be mixed completely?&lt;/h2&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;¿Cuándo estarán las monedas mezcladas del todo?&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Our members guessed most often &lt;b&gt;%1&lt;/b&gt; (%2 members).</source>
        <translation>&lt;p&gt;El pronóstico más frecuente de nuestros miembros es &lt;b&gt;%1&lt;/b&gt; (%2 miembros).</translation>
    </message>
    <message>
        <source>&lt;p&gt;Too few of our members guessed yet.</source>
        <translation>&lt;p&gt;Aún son muy pocos los miembros que han hecho un pronóstico.</translation>
    </message>
    <message>
        <source> The countings cannot tell yet: no member country has enough of them for the model.&lt;/p&gt;</source>
        <translation> Los recuentos aún no pueden decirlo: ningún país de miembro tiene suficientes para el modelo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> The countings say &lt;b&gt;%1&lt;/b&gt;: the forecast of %2, the median of the %3 member countries the model fits</source>
        <translation> Los recuentos dicen &lt;b&gt;%1&lt;/b&gt;: el pronóstico para %2, la mediana de los %3 países de miembro a los que se ajusta el modelo</translation>
    </message>
    <message>
        <source>, which range from %1 to %2.&lt;/p&gt;</source>
        <translation>; van de %1 a %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by month&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of coins whose national side is from another country than the member&apos;s own, among the members in the fifteen countries that issue euro coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Monedas extranjeras por mes&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;La proporción de monedas cuya cara nacional es de un país distinto del del miembro, entre los miembros de los quince países que emiten monedas de euro.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Share of foreign coins by month, all member countries</source>
        <translation>Proporción de monedas extranjeras por mes, todos los países de miembro</translation>
    </message>
    <message>
        <source>All member countries</source>
        <translation>Todos los países de miembro</translation>
    </message>
    <message>
        <source>in the euro countries</source>
        <translation>en los países del euro</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Each member country&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;Coloured: the country; grey: all member countries.</source>
        <translation>&lt;h3&gt;Cada país de miembro&lt;/h3&gt;&lt;p class=&quot;note&quot;&gt;En color: el país; en gris: todos los países de miembro.</translation>
    </message>
    <message>
        <source> For %1, a is not fitted but taken from the coins produced (%2).</source>
        <translation> Para %1, a no se ajusta sino que se toma de las monedas acuñadas (%2).</translation>
    </message>
    <message>
        <source>Share of foreign coins by month in %1</source>
        <translation>Proporción de monedas extranjeras por mes en %1</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Where the euro coins in our purses come from&lt;/h1&gt;&lt;p&gt;The members of the ZUV project empty their purse now and then and count its coins by the country of each coin&apos;s national side. These are all their countings together, as the project server has them now.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;De dónde vienen las monedas de euro de nuestros monederos&lt;/h1&gt;&lt;p&gt;Los miembros del proyecto ZUV vacían de vez en cuando su monedero y cuentan las monedas según el país de la cara nacional de cada una. Estos son todos sus recuentos juntos, tal como los tiene ahora el servidor del proyecto.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>members</source>
        <translation>miembros</translation>
    </message>
    <message>
        <source>purses counted</source>
        <translation>monederos contados</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>monedas</translation>
    </message>
    <message>
        <source>in value</source>
        <translation>de valor</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;No coins yet&lt;/h2&gt;&lt;p&gt;Nobody in the fifteen euro coin countries has uploaded a counted purse yet. The charts appear here with the first uploads.&lt;/p&gt;&lt;/section&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Aún no hay monedas&lt;/h2&gt;&lt;p&gt;Nadie en los quince países que emiten monedas de euro ha enviado todavía un monedero contado. Los gráficos aparecerán aquí con los primeros envíos.&lt;/p&gt;&lt;/section&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Where the coins in each member country come from&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Each row is a member country, each column a national side: the share of the country&apos;s coins that carry it. Outlined: the country&apos;s own coins.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;De dónde vienen las monedas en cada país de miembro&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;Cada fila es un país de miembro, cada columna una cara nacional: la proporción de monedas del país que la llevan. Recuadradas: las monedas del propio país.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;section&gt;&lt;h2&gt;Foreign coins by coin value&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;The share of foreign national sides among the coins of each value.&lt;/p&gt;</source>
        <translation>&lt;section&gt;&lt;h2&gt;Monedas extranjeras por valor&lt;/h2&gt;&lt;p class=&quot;note&quot;&gt;La proporción de caras nacionales extranjeras entre las monedas de cada valor.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;footer&gt;&lt;p&gt;Published once a day. Every number is a sum of cells (a month, a member country, a national side, a coin value) that at least %1 members counted coins in, and a cell changes only once at least %1 members changed it: no participant can be recognised, not even by comparing numbers or days. Hatched: nothing published there. Nothing that names or locates a member is published: no member numbers, postal codes, e-mail addresses, names or messages.&lt;/p&gt;</source>
        <translation>&lt;footer&gt;&lt;p&gt;Se publica una vez al día. Cada número es una suma de casillas (un mes, un país de miembro, una cara nacional, un valor de moneda) en las que al menos %1 miembros contaron monedas, y una casilla solo cambia cuando al menos %1 miembros la han cambiado: no se puede reconocer a ningún participante, ni siquiera comparando números o días. Rayado: aquí no se ha publicado nada. No se publica nada que nombre o sitúe a un miembro: ni números de miembro, ni códigos postales, ni direcciones de correo, ni nombres, ni mensajes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published on %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Publicado el %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nothing has been published yet.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aún no se ha publicado nada.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The numbers behind the charts: &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Open data for researchers: &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV: coins and purses per month, member country, national side and coin value).&lt;/p&gt;&lt;/footer&gt;</source>
        <translation>&lt;p&gt;Los números detrás de los gráficos: &lt;a href=&quot;%1&quot;&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/a&gt; (JSON). Datos abiertos para la investigación: &lt;a href=&quot;%2&quot;&gt;&lt;code&gt;%2&lt;/code&gt;&lt;/a&gt; (CSV: monedas y monederos por mes, país de miembro, cara nacional y valor de moneda).&lt;/p&gt;&lt;/footer&gt;</translation>
    </message>
    <message>
        <source>ZUV: the project&apos;s results</source>
        <translation>ZUV: los resultados del proyecto</translation>
    </message>
    <message>
        <source> Orange: the model fitted to the country&apos;s countings, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) for the share of foreign coins t years after the euro coins came out, a the share once they are mixed completely, b the pace; dashed where it foretells. The band lies between the curves of both ends of the 90% intervals of a and b. Mixed completely: when the share reaches 90% of a. The charts end in 2100.</source>
        <translation> Naranja: el modelo ajustado a los recuentos del país, f(t) = a (1 − e&lt;sup&gt;−bt&lt;/sup&gt;) para la proporción de monedas extranjeras t años después de la llegada de las monedas de euro, siendo a la proporción con la mezcla completa y b el ritmo; discontinuo donde pronostica. La banda queda entre las curvas de ambos extremos de los intervalos del 90 % de a y b. Mezcladas del todo: cuando la proporción alcanza el 90 % de a. Los gráficos terminan en 2100.</translation>
    </message>
    <message>
        <source>2011-2020</source>
        <translation>2011-2020</translation>
    </message>
    <message>
        <source>2021 or later</source>
        <translation>2021 o más tarde</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>fewer than %1 members (%2)</source>
        <translation>menos de %1 miembros (%2)</translation>
    </message>
    <message>
        <source>less than a year of countings (%1 months)</source>
        <translation>menos de un año de recuentos (%1 meses)</translation>
    </message>
    <message>
        <source>the countings do not yet tell the speed of mixing (the forecast&apos;s interval is wider than its time)</source>
        <translation>los recuentos aún no indican la velocidad de la mezcla (el intervalo de la previsión es más amplio que su plazo)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>ZUV: the results</source>
        <translation>ZUV: los resultados</translation>
    </message>
    <message>
        <source>The project</source>
        <translation>El proyecto</translation>
    </message>
    <message>
        <source>Your purse</source>
        <translation>Tu monedero</translation>
    </message>
</context>
<context>
    <name>ServerAnswer</name>
    <message>
        <source>Some error in Processing Answer - OK flag was not set.</source>
        <translation>Error al procesar la respuesta: el indicador OK no estaba activado.</translation>
    </message>
    <message>
        <source>This can have many reasons. Perhaps, your member number is wrong</source>
        <translation>Puede haber muchas causas. Quizá tu número de miembro sea incorrecto</translation>
    </message>
    <message>
        <source>- or there&apos;s some server maintenance going on!</source>
        <translation>- ¡o se está haciendo mantenimiento en el servidor!</translation>
    </message>
    <message>
        <source>I suggest that you try to upload again later or tomorrow, </source>
        <translation>Te sugiero que vuelvas a intentar el envío más tarde o mañana; </translation>
    </message>
    <message>
        <source>if the problem persists, please contact the author</source>
        <translation>si el problema continúa, ponte en contacto con el autor</translation>
    </message>
    <message>
        <source>or backup and delete your datafile &apos;%1&apos;</source>
        <translation>o haz una copia de tu archivo de datos «%1» y bórralo</translation>
    </message>
    <message>
        <source>The Server says: &apos;Thanks, member %1&apos;</source>
        <translation>El servidor dice: «Gracias, miembro %1»</translation>
    </message>
    <message>
        <source>A personal message for you, member %1:</source>
        <translation>Un mensaje personal para ti, miembro %1:</translation>
    </message>
    <message>
        <source>Minor update successful.</source>
        <translation>Pequeña actualización realizada con éxito.</translation>
    </message>
    <message>
        <source>Your programversion is %1, there is a new version %2 out now.</source>
        <translation>Tu versión del programa es la %1; ya ha salido la nueva versión %2.</translation>
    </message>
    <message>
        <source>You should consider to update soon.</source>
        <translation>Deberías pensar en actualizar pronto.</translation>
    </message>
    <message>
        <source>You have to update, this program version is not appropriate anymore.</source>
        <translation>Tienes que actualizar: esta versión del programa ya no sirve.</translation>
    </message>
    <message>
        <source>
Please go to %3</source>
        <translation>
Ve a %3</translation>
    </message>
    <message>
        <source>New Analysis Data available on the Server: </source>
        <translation>Nuevos análisis disponibles en el servidor: </translation>
    </message>
    <message>
        <source> %1 pages, %2 text messages and %3 pictures
</source>
        <translation> %1 páginas, %2 mensajes de texto y %3 imágenes
</translation>
    </message>
    <message>
        <source>The actual status on the server:</source>
        <translation>El estado actual en el servidor:</translation>
    </message>
    <message>
        <source># members:  %1</source>
        <translation>Miembros:  %1</translation>
    </message>
    <message>
        <source># purses :  %1</source>
        <translation>Monederos:  %1</translation>
    </message>
    <message>
        <source>Total Uploaded Sum:  %1 Euro</source>
        <translation>Suma total enviada:  %1 euros</translation>
    </message>
    <message>
        <source>last upload from: %1</source>
        <translation>último envío desde: %1</translation>
    </message>
    <message>
        <source>suggested next session around: %1</source>
        <translation>próxima sesión recomendada hacia el: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>ZUV Settings</source>
        <translation>Configuración de ZUV</translation>
    </message>
    <message>
        <source>It is necessary that you give these informations</source>
        <translation>Es necesario que nos des estos datos</translation>
    </message>
    <message>
        <source>Where are you?</source>
        <translation>¿Dónde estás?</translation>
    </message>
    <message>
        <source>Very important because the diffusion is &quot;Where?&quot;-dependent</source>
        <translation>Muy importante, porque la difusión depende del «¿Dónde?»</translation>
    </message>
    <message>
        <source> Country</source>
        <translation> País</translation>
    </message>
    <message>
        <source>The country where you make most of your transactions</source>
        <translation>El país donde haces la mayoría de tus pagos</translation>
    </message>
    <message>
        <source> &amp;Postal Code</source>
        <translation> &amp;Código postal</translation>
    </message>
    <message>
        <source>The postal code of your city (at least 2 digits)</source>
        <translation>El código postal de tu ciudad (al menos 2 cifras)</translation>
    </message>
    <message>
        <source> City Size</source>
        <translation> Tamaño de la ciudad</translation>
    </message>
    <message>
        <source>Choose the population of your city</source>
        <translation>Elige la población de tu ciudad</translation>
    </message>
    <message>
        <source>Tell us the population of your city</source>
        <translation>Dinos la población de tu ciudad</translation>
    </message>
    <message>
        <source>Sign this contract</source>
        <translation>Firma este contrato</translation>
    </message>
    <message>
        <source>§1: </source>
        <translation>§1: </translation>
    </message>
    <message>
        <source>obligatory !</source>
        <translation>¡obligatorio!</translation>
    </message>
    <message>
        <source>I promise not to send in fake data, because it would endanger the scientific analysis.</source>
        <translation>Prometo no enviar datos falsos, porque pondrían en peligro el análisis científico.</translation>
    </message>
    <message>
        <source>That goes without saying, but please please please keep to this rule!</source>
        <translation>Se da por supuesto, pero por favor, por favor, por favor, ¡respeta esta regla!</translation>
    </message>
    <message>
        <source>§2: </source>
        <translation>§2: </translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>I agree to how I am using this program is observed for research on ergonomics and for improving future versions.</source>
        <translation>Acepto que se observe cómo uso este programa para investigar en ergonomía y mejorar las versiones futuras.</translation>
    </message>
    <message>
        <source>For example, pressing a button in ZUV is recorded. No harm to you, but very informative for e.g. the programmer who wants to optimize it.</source>
        <translation>Por ejemplo, se registra cada vez que pulsas un botón en ZUV. No te perjudica, pero es muy instructivo, por ejemplo para el programador que quiere mejorarlo.</translation>
    </message>
    <message>
        <source>Privacy Statement:
All uploaded data will be used for research intentions only. Maximal anonymity is promised!</source>
        <translation>Declaración de privacidad:
Todos los datos enviados se usarán solo para la investigación. ¡Prometemos el máximo anonimato!</translation>
    </message>
    <message>
        <source>Who told you about this?</source>
        <translation>¿Quién te habló de esto?</translation>
    </message>
    <message>
        <source>A recommends it to B and C; C recommends it to D, E and F; F recommends it to G, ... the program spreads by talking about it!</source>
        <translation>A se lo recomienda a B y C; C a D, E y F; F a G... ¡el programa se difunde de boca en boca!</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers! If several, separate by comma.</source>
        <translation>¡Pide a quienes te lo recomendaron sus números de miembro! Si son varios, sepáralos con comas.</translation>
    </message>
    <message>
        <source>ZUV-Membernumbers</source>
        <translation>Números de miembro de ZUV</translation>
    </message>
    <message>
        <source>Ask the Recommenders for their member numbers!!! Later we can analyze how the program has spread over the planet!</source>
        <translation>¡¡¡Pide a quienes te lo recomendaron sus números de miembro!!! ¡Más adelante podremos analizar cómo se ha difundido el programa por el planeta!</translation>
    </message>
    <message>
        <source>several...</source>
        <translation>varios...</translation>
    </message>
    <message>
        <source>or use this dialog for inputting several recommenders</source>
        <translation>o usa este diálogo para introducir varias personas</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Or give both, Membernumber and Name, if that organization has mentioned their usernumber</source>
        <translation>O indica ambos, número de miembro y nombre, si esa organización ha dado su número</translation>
    </message>
    <message>
        <source>example: Perhaps you heard about ZUV on the radio? Name the radio station.</source>
        <translation>ejemplo: ¿quizá oíste hablar de ZUV en la radio? Indica la emisora.</translation>
    </message>
    <message>
        <source>Name of organization</source>
        <translation>Nombre de la organización</translation>
    </message>
    <message>
        <source>NECESSARY Localization</source>
        <translation>Ubicación NECESARIA</translation>
    </message>
    <message>
        <source>If you want to, I can provide useful services for you. Click here.</source>
        <translation>Si quieres, puedo ofrecerte servicios útiles. Haz clic aquí.</translation>
    </message>
    <message>
        <source>Service Settings</source>
        <translation>Configuración de los servicios</translation>
    </message>
    <message>
        <source>You can also order these services on the website  </source>
        <translation>También puedes pedir estos servicios en el sitio web  </translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>please type in your eMail address if you want me to contact you.</source>
        <translation>escribe tu dirección de correo si quieres que me ponga en contacto contigo.</translation>
    </message>
    <message>
        <source>I want reminder messages &quot;Zuvanta!&quot;</source>
        <translation>Quiero recordatorios «Zuvanta!»</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>cada semana</translation>
    </message>
    <message>
        <source>bi-monthly</source>
        <translation>cada dos meses</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>cada mes</translation>
    </message>
    <message>
        <source>I want informations about the project (newsletter).</source>
        <translation>Quiero información sobre el proyecto (boletín).</translation>
    </message>
    <message>
        <source>I offer my help for this project.</source>
        <translation>Ofrezco mi ayuda a este proyecto.</translation>
    </message>
    <message>
        <source>I would like to analyze the data.</source>
        <translation>Me gustaría analizar los datos.</translation>
    </message>
    <message>
        <source>USEFUL Service</source>
        <translation>Servicios ÚTILES</translation>
    </message>
    <message>
        <source>If you want to, you can tell me your opinion about this project. Click.</source>
        <translation>Si quieres, puedes darme tu opinión sobre este proyecto. Haz clic.</translation>
    </message>
    <message>
        <source>Your opinion counts</source>
        <translation>Tu opinión cuenta</translation>
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
        <translation>Nunca</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Please give a guess, when your purse will show the same distribution of countries as the distribution of produced coins ... (when are the European coins mixed completely?)</source>
        <translation>¿Cuándo crees que tu monedero mostrará la misma distribución de países que las monedas acuñadas... (¿cuándo estarán las monedas europeas mezcladas del todo?)</translation>
    </message>
    <message>
        <source>Please give a guess, when you will have had 
all European coins in your purse once?</source>
        <translation>¿Cuándo crees que habrás tenido 
todas las monedas europeas alguna vez en tu monedero?</translation>
    </message>
    <message>
        <source>Describe yourself or an idea or leave a message.</source>
        <translation>Descríbete, cuéntanos una idea o deja un mensaje.</translation>
    </message>
    <message>
        <source>If you want my answer to this comment, you should provide your eMail-address.</source>
        <translation>Si quieres que responda a este comentario, indica tu dirección de correo.</translation>
    </message>
    <message>
        <source>VOLUNTARY opinion</source>
        <translation>Opinión VOLUNTARIA</translation>
    </message>
    <message>
        <source>On your first upload to the server you become a member!</source>
        <translation>¡Con tu primer envío al servidor te haces miembro!</translation>
    </message>
    <message>
        <source>Your 
membernumber:</source>
        <translation>Tu número 
de miembro:</translation>
    </message>
    <message>
        <source>Why a membernumber? Apart from technical reasons, we can later analyze how this program spread over the planet because of your recommendation!</source>
        <translation>¿Por qué un número de miembro? Además de por motivos técnicos, ¡más adelante podremos analizar cómo se ha difundido este programa por el planeta gracias a tu recomendación!</translation>
    </message>
    <message>
        <source>Whenever you recommend this program, please mention your membernumber.</source>
        <translation>Cada vez que recomiendes este programa, menciona tu número de miembro.</translation>
    </message>
    <message>
        <source>You joined us on:</source>
        <translation>Miembro desde:</translation>
    </message>
    <message>
        <source>Welcome Message:</source>
        <translation>Mensaje de bienvenida:</translation>
    </message>
    <message>
        <source>Membernumber</source>
        <translation>Número de miembro</translation>
    </message>
    <message>
        <source>Back to old settings</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>resets the settings to the state of the last saving</source>
        <translation>devuelve la configuración al estado del último guardado</translation>
    </message>
    <message>
        <source>You have to fill in where you are and sign §1 of the contract to participate in the European project &quot;Zuvanta!&quot;.</source>
        <translation>Para participar en el proyecto europeo «Zuvanta!» tienes que indicar dónde estás y firmar el §1 del contrato.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>save these settings and go back</source>
        <translation>guardar esta configuración y volver</translation>
    </message>
</context>
<context>
    <name>SlideShow</name>
    <message>
        <source>previous coin</source>
        <translation>moneda anterior</translation>
    </message>
    <message>
        <source>next coin</source>
        <translation>moneda siguiente</translation>
    </message>
    <message>
        <source>previous country</source>
        <translation>país anterior</translation>
    </message>
    <message>
        <source>next country</source>
        <translation>país siguiente</translation>
    </message>
    <message>
        <source>Loading pictures...</source>
        <translation>Cargando imágenes...</translation>
    </message>
    <message>
        <source>Abort not possible</source>
        <translation>No se puede cancelar</translation>
    </message>
    <message>
        <source>Sorry, your version of Qt doesn&apos;t support &apos;%1&apos; files, only these filetypes are supported:
%2
Please re-configure Qt and build it again (or ask your admin)
See &apos; $QTDIR/configure -help | more &apos; for informations how to...

ZUV will work, but you won&apos;t see the coin pictures! What a pity...</source>
        <translation>Lo siento, tu versión de Qt no admite archivos «%1», solo estos tipos de archivo:
%2
Vuelve a configurar Qt y compílalo de nuevo (o pregunta a tu administrador).
Consulta &apos; $QTDIR/configure -help | more &apos; para saber cómo...

ZUV funcionará, pero no verás las imágenes de las monedas. ¡Qué pena!</translation>
    </message>
    <message>
        <source>Of %1 total coins:%2 files loaded,%3 pictures could not be read.
To have a nicer program, you might want to check the website for more pictures?</source>
        <translation>De %1 monedas en total: %2 archivos cargados, %3 imágenes no se pudieron leer.
Para tener un programa más bonito, ¿por qué no buscas más imágenes en la web?</translation>
    </message>
    <message>
        <source>Picture format not supported by Qt</source>
        <translation>Formato de imagen no admitido por Qt</translation>
    </message>
    <message>
        <source>ZUV: You could download (more) coin pictures</source>
        <translation>ZUV: puedes descargar (más) imágenes de monedas</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>No volver a mostrar</translation>
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
        <translation>500 - 1000</translation>
    </message>
    <message>
        <source>1,000 - 5,000</source>
        <translation>1000 - 5000</translation>
    </message>
    <message>
        <source>5,000 - 10,000</source>
        <translation>5000 - 10 000</translation>
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
        <translation>No lo sé</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>ERROR Usage::StoreEvent : there is no event called %1</source>
        <translation>ERROR Usage::StoreEvent: no hay ningún evento llamado %1</translation>
    </message>
    <message>
        <source>Time in s</source>
        <translation>Tiempo en s</translation>
    </message>
    <message>
        <source>Event ID</source>
        <translation>N.º de evento</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Nombre del evento</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Event Name</source>
        <translation>Nombre del evento</translation>
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
        <translation>Zuvanta - ZUV para la investigación (v%1 - %1)</translation>
    </message>
    <message>
        <source>-&gt;
&amp;Insert</source>
        <translation>-&gt;
&amp;Añadir</translation>
    </message>
    <message>
        <source>&lt;-
Take Away</source>
        <translation>&lt;-
Quitar</translation>
    </message>
    <message>
        <source>Save purse and QUIT</source>
        <translation>Guardar y SALIR</translation>
    </message>
    <message>
        <source>Upload purses</source>
        <translation>Enviar monederos</translation>
    </message>
    <message>
        <source>Your settings</source>
        <translation>Tu configuración</translation>
    </message>
    <message>
        <source>See the newest
data analysis</source>
        <translation>Ver el último
análisis de datos</translation>
    </message>
    <message>
        <source>about this project</source>
        <translation>sobre este proyecto</translation>
    </message>
    <message>
        <source>invite friends</source>
        <translation>invitar a amigos</translation>
    </message>
    <message>
        <source>just QUIT</source>
        <translation>solo SALIR</translation>
    </message>
    <message>
        <source>Ignore
saved data.</source>
        <translation>Ignorar los
datos guardados.</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Salir ahora</translation>
    </message>
    <message>
        <source>The project&apos;s results and your own countings can be shown here, in a window of their own.

Or watch results online: </source>
        <translation>Los resultados del proyecto y tus propios recuentos se pueden mostrar aquí, en una ventana aparte.

O consulta los resultados en línea: </translation>
    </message>
    <message>
        <source>OK, try to open the page now</source>
        <translation>De acuerdo, abrir la página ahora</translation>
    </message>
    <message>
        <source>Cancel, I remember the URL</source>
        <translation>Cancelar, recuerdo la dirección</translation>
    </message>
    <message>
        <source>Show the results here</source>
        <translation>Mostrar los resultados aquí</translation>
    </message>
    <message>
        <source>If you quit now, this table will be lost!

Rather press &apos;SAVE&apos; or &apos;UPLOAD&apos;, if you want to have it stored.</source>
        <translation>Si sales ahora, ¡esta tabla se perderá!

Pulsa mejor «GUARDAR» o «ENVIAR» si quieres conservarla.</translation>
    </message>
    <message>
        <source>OK, I will not quit</source>
        <translation>De acuerdo, no salgo</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Salir de todos modos</translation>
    </message>
    <message>
        <source>OK, I try my best.
Please return to the program</source>
        <translation>De acuerdo, haré lo posible.
Volver al programa</translation>
    </message>
    <message>
        <source>No, quit anyway and
discard my data of this session</source>
        <translation>No, salir de todos modos y
descartar los datos de esta sesión</translation>
    </message>
    <message>
        <source>Stored Purses on disk: </source>
        <translation>Monederos guardados: </translation>
    </message>
    <message>
        <source>See data analysis</source>
        <translation>Ver el análisis de datos</translation>
    </message>
    <message>
        <source>file error</source>
        <translation>error de fichero</translation>
    </message>
    <message>
        <source>ZUV loosing your data</source>
        <translation>ZUV pierde tus datos</translation>
    </message>
    <message>
        <source>ZUV cannot save your data</source>
        <translation>ZUV no puede guardar tus datos</translation>
    </message>
    <message>
        <source>The results window cannot be opened:
%1</source>
        <translation>No se puede abrir la ventana de resultados:
%1</translation>
    </message>
</context>
</TS>
