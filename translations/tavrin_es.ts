<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlertView</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>AppRuntime</name>
    <message>
        <source>cannot encode the picture</source>
        <translation>no se puede codificar la imagen</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation>no hay ningún nombre libre en %1</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it reads &apos;%2&apos;): nothing was saved</source>
        <translation>el código de la imagen no se lee como &apos;%1&apos; (se lee &apos;%2&apos;): no se guardó nada</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it cannot be read): nothing was saved</source>
        <translation>el código de la imagen no se lee como &apos;%1&apos; (no se puede leer): no se guardó nada</translation>
    </message>
</context>
<context>
    <name>BGOptionsDialog</name>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>TOUCH A COLOUR</source>
        <translation>TOCA UN COLOR</translation>
    </message>
</context>
<context>
    <name>CaptureMode</name>
    <message>
        <source>Setting %1 as the lock screen picture…</source>
        <translation>Poniendo %1 como imagen de la pantalla de bloqueo…</translation>
    </message>
    <message>
        <source>Lock screen not set: %1</source>
        <translation>Pantalla de bloqueo no establecida: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
</context>
<context>
    <name>CaptureNotice</name>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en carpeta</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialog</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Contact, shown after TAVRIN:</source>
        <translation>Contacto, mostrado tras TAVRIN:</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Other information</source>
        <translation>Otra información</translation>
    </message>
    <message>
        <source>Reward, e-mail address, note</source>
        <translation>Recompensa, correo, nota</translation>
    </message>
    <message>
        <source>Scan code below the strips</source>
        <translation>Código bajo las franjas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamar</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>https:// address for Address</source>
        <translation>Dirección https:// para «Dirección»</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialogViewController</name>
    <message>
        <source>No number: whoever finds the phone cannot call you. </source>
        <translation>Sin número: quien encuentre el teléfono no podrá llamarte. </translation>
    </message>
    <message>
        <source>The number is too long: the wallpaper shortens it. </source>
        <translation>El número es demasiado largo: el fondo lo acorta. </translation>
    </message>
    <message>
        <source>The information is too long: the wallpaper shortens it. </source>
        <translation>La información es demasiado larga: el fondo la acorta. </translation>
    </message>
    <message>
        <source>Scan code: %1.</source>
        <translation>Código: %1.</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialog</name>
    <message>
        <source>Style Library</source>
        <translation>Biblioteca de estilos</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Nuevo estilo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Current style</source>
        <translation>Estilo actual</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialogViewController</name>
    <message>
        <source>%1 (modified)</source>
        <translation>%1 (modificado)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 holds %2, not a colour; the default is used</source>
        <translation>%1 contiene %2, no un color; se usa el valor predeterminado</translation>
    </message>
    <message>
        <source>%1 holds %2, not classic, split or none; no strip is shown</source>
        <translation>%1 contiene %2, no classic, split ni none; no se muestra ninguna franja</translation>
    </message>
    <message>
        <source>%1 holds %2, not none, tel or url; no scan code is shown</source>
        <translation>%1 contiene %2, no none, tel ni url; no se muestra ningún código</translation>
    </message>
    <message>
        <source>%1 holds %2, not a list of styles; none are offered</source>
        <translation>%1 contiene %2, no una lista de estilos; no se ofrece ninguno</translation>
    </message>
    <message>
        <source>%1 holds %2, not text; it reads as empty</source>
        <translation>%1 contiene %2, no texto; se lee como vacío</translation>
    </message>
    <message>
        <source>get takes one KEY or --json</source>
        <translation>get admite una KEY o --json</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>no setting named &apos;%1&apos;</source>
        <translation>no hay ningún ajuste llamado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>set takes KEY and VALUE</source>
        <translation>set admite KEY y VALUE</translation>
    </message>
    <message>
        <source>strip_layout is classic, split or none</source>
        <translation>strip_layout es classic, split o none</translation>
    </message>
    <message>
        <source>device is a screen that &apos;tavrin-plus devices&apos; lists, or WIDTHxHEIGHT@SCALE in points, for example 390x844@3</source>
        <translation>device es una pantalla que lista &apos;tavrin-plus devices&apos;, o WIDTHxHEIGHT@SCALE en puntos, por ejemplo 390x844@3</translation>
    </message>
    <message>
        <source>qr_code is none, tel or url</source>
        <translation>qr_code es none, tel o url</translation>
    </message>
    <message>
        <source>qr_url is an https address, for example https://example.com/found</source>
        <translation>qr_url es una dirección https, por ejemplo https://example.com/found</translation>
    </message>
    <message>
        <source>a colour is written 0xRRGGBBAA, for example 0x1B1C1CFF</source>
        <translation>un color se escribe 0xRRGGBBAA, por ejemplo 0x1B1C1CFF</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be set; settable are phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code and qr_url</source>
        <translation>&apos;%1&apos; no se puede establecer; se pueden establecer phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code y qr_url</translation>
    </message>
    <message>
        <source>--scale is a whole number from 1 to 4</source>
        <translation>--scale es un número entero del 1 al 4</translation>
    </message>
    <message>
        <source>export takes [-o FILE] [--device ID] [--scale N], not &apos;%1&apos;</source>
        <translation>export admite [-o FILE] [--device ID] [--scale N], no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the output file ends in .png, .jpg or .jpeg</source>
        <translation>el archivo de salida termina en .png, .jpg o .jpeg</translation>
    </message>
    <message>
        <source>--scale is for the classic screen; %1&apos;s picture is made at its own pixels</source>
        <translation>--scale es para la pantalla clásica; la imagen de %1 se hace con sus propios píxeles</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>no se puede codificar la imagen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>photo takes FILE or --remove</source>
        <translation>photo admite FILE o --remove</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read</source>
        <translation>%1 no es una imagen legible</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no existe el archivo</translation>
    </message>
    <message>
        <source>%1 takes one NAME (quote a name with spaces)</source>
        <translation>%1 admite un NAME (pon entre comillas un nombre con espacios)</translation>
    </message>
    <message>
        <source>styles takes no arguments</source>
        <translation>styles no admite argumentos</translation>
    </message>
    <message>
        <source>there is no style named &apos;%1&apos;; &apos;tavrin-plus styles&apos; lists them</source>
        <translation>no hay ningún estilo llamado &apos;%1&apos;; &apos;tavrin-plus styles&apos; los lista</translation>
    </message>
    <message>
        <source>a style needs a name</source>
        <translation>un estilo necesita un nombre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a built-in style; only saved styles can be deleted</source>
        <translation>&apos;%1&apos; es un estilo integrado; solo se pueden eliminar los estilos guardados</translation>
    </message>
    <message>
        <source>there is no saved style named &apos;%1&apos;</source>
        <translation>no hay ningún estilo guardado llamado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices no admite argumentos</translation>
    </message>
    <message>
        <source>check takes [--device ID] [--verbose]</source>
        <translation>check admite [--device ID] [--verbose]</translation>
    </message>
    <message>
        <source>Usage: tavrin-plus [--zoom N]        open the window (N from 1 to 4)
       tavrin-plus export [-o FILE] [--device ID] [--scale N]
                                     write the wallpaper as PNG or JPEG (into the photo
                                     album folder without -o) at the phone&apos;s pixels, or the
                                     classic screen&apos;s times N; prints the path
       tavrin-plus get [KEY]         print the settings in effect, colours as 0xRRGGBBAA;
                                     with backslash, tab, newline and control characters
                                     escaped (\\, \t, \n, \xNN): one record a line
       tavrin-plus get --json        print the settings as stored, as one JSON object
       tavrin-plus set KEY VALUE     set phone_preference, other_preference, strip_layout
                                     (classic, split, none) or a colour: strip_color,
                                     bg_color, font_face, font_highlight; or device: an id
                                     that &apos;devices&apos; lists or WIDTHxHEIGHT@SCALE in points;
                                     or qr_code (none, tel, url) and qr_url (https://...):
                                     a scan code below the strips that calls the number or
                                     opens the address
       tavrin-plus styles            list the styles: &apos;*&apos; when current, the name, the strip,
                                     background, font face and highlight colours, user or
                                     built-in
       tavrin-plus apply NAME        apply the first style of that name
       tavrin-plus save-style NAME   save the current colours as a style
       tavrin-plus delete-style NAME delete the saved styles of that name
       tavrin-plus devices           list the phone screens: id, name, pixels, pixels per inch
       tavrin-plus check [--device ID] [--verbose]
                                     print each part of the wallpaper its lock screen would
                                     cover and each text whose contrast is too low to read
                                     (below 3:1 and Lc 45 for the number, 4.5:1 and Lc 60
                                     for the information line), one a line, and exit 1;
                                     nothing and 0 when none. --verbose prints every
                                     figure measured, passing or not
       tavrin-plus photo FILE        set the photograph behind the strip, framed to fill the
                                     phone&apos;s screen as the framing editor first shows it
       tavrin-plus photo --remove    remove the photograph: the background colour shows
       tavrin-plus send [--device ID] [--timeout S] [--bind ADDRESS]
                                     offer the wallpaper for one download over the local
                                     network: prints its address as a QR code for the
                                     phone&apos;s camera; exits once downloaded, or 1 after S
                                     seconds (120 unless given)
       tavrin-plus set-lockscreen [--device ID]
                                     save the wallpaper into the photo album and set it as
                                     this desktop&apos;s lock screen picture: through the desktop
                                     portal, else KDE Plasma&apos;s or GNOME&apos;s own settings; exit 1
                                     with the reason when the desktop has no way to take it
       tavrin-plus --help | --version
</source>
        <translation>Uso: tavrin-plus [--zoom N]          abrir la ventana (N de 1 a 4)
       tavrin-plus export [-o FILE] [--device ID] [--scale N]
                                     escribir el fondo en PNG o JPEG (en la carpeta del álbum
                                     de fotos sin -o) con los píxeles del teléfono, o N veces
                                     la pantalla clásica; muestra la ruta
       tavrin-plus get [KEY]         mostrar los ajustes vigentes, colores como 0xRRGGBBAA;
                                     barra invertida, tabulador, salto de línea y caracteres
                                     de control escapados (\\, \t, \n, \xNN): un registro
                                     por línea
       tavrin-plus get --json        mostrar los ajustes tal como se guardan, como un objeto JSON
       tavrin-plus set KEY VALUE     establecer phone_preference, other_preference, strip_layout
                                     (classic, split, none) o un color: strip_color,
                                     bg_color, font_face, font_highlight; o device: un id
                                     que lista &apos;devices&apos; o WIDTHxHEIGHT@SCALE en puntos;
                                     o qr_code (none, tel, url) y qr_url (https://...):
                                     un código bajo las franjas que llama al número o abre
                                     la dirección
       tavrin-plus styles            listar los estilos: &apos;*&apos; si es el actual, el nombre, los
                                     colores de franja, fondo, letras y resalte, user o
                                     built-in
       tavrin-plus apply NAME        aplicar el primer estilo con ese nombre
       tavrin-plus save-style NAME   guardar los colores actuales como estilo
       tavrin-plus delete-style NAME eliminar los estilos guardados con ese nombre
       tavrin-plus devices           listar las pantallas: id, nombre, píxeles, píxeles por pulgada
       tavrin-plus check [--device ID] [--verbose]
                                     mostrar cada parte del fondo que su pantalla de bloqueo
                                     cubriría y cada texto con contraste demasiado bajo
                                     (menos de 3:1 y Lc 45 para el número, 4.5:1 y Lc 60 para
                                     la línea de información), uno por línea, y salir con 1;
                                     nada y 0 si no hay ninguno. --verbose muestra cada
                                     medida, aprobada o no
       tavrin-plus photo FILE        poner la foto detrás de la franja, encuadrada para llenar
                                     la pantalla como la muestra primero el editor de encuadre
       tavrin-plus photo --remove    quitar la foto: se ve el color de fondo
       tavrin-plus send [--device ID] [--timeout S] [--bind ADDRESS]
                                     ofrecer el fondo para una descarga en la red local:
                                     muestra su dirección como código QR para la cámara del
                                     teléfono; termina tras la descarga, o con 1 después de
                                     S segundos (120 si no se indica)
       tavrin-plus set-lockscreen [--device ID]
                                     guardar el fondo en el álbum de fotos y ponerlo como
                                     imagen de la pantalla de bloqueo de este escritorio: por
                                     el portal de escritorio, si no con los ajustes de KDE
                                     Plasma o GNOME; salir con 1 y el motivo si el escritorio
                                     no puede aceptarlo
       tavrin-plus --help | --version
</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) meets %4 (%5) against %6</source>
        <translation>%1: contraste %2 (%3), alcanza %4 (%5) contra %6</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) is below %4 (%5) against %6</source>
        <translation>%1: contraste %2 (%3), por debajo de %4 (%5) contra %6</translation>
    </message>
    <message>
        <source>the scan code: %1 modules a side, each %2 mm (%3 pixels)</source>
        <translation>el código: %1 módulos por lado, de %2 mm cada uno (%3 píxeles)</translation>
    </message>
</context>
<context>
    <name>CommandSession</name>
    <message>
        <source>the capture mode did not reach the wallpaper alone</source>
        <translation>el modo de captura no llegó al fondo solo</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 no es texto UTF-8 válido</translation>
    </message>
    <message>
        <source>there is no screen &apos;%1&apos;; &apos;tavrin-plus devices&apos; lists them, or give WIDTHxHEIGHT@SCALE in points</source>
        <translation>no hay ninguna pantalla &apos;%1&apos;; &apos;tavrin-plus devices&apos; las lista, o indica WIDTHxHEIGHT@SCALE en puntos</translation>
    </message>
    <message>
        <source>note: device holds &apos;%1&apos;, no screen known; the classic one is used</source>
        <translation>nota: device contiene &apos;%1&apos;, ninguna pantalla conocida; se usa la clásica</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>«TAVRIN:»</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>el número</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>la línea de información</translation>
    </message>
    <message>
        <source>the strip</source>
        <translation>la franja</translation>
    </message>
    <message>
        <source>the photograph</source>
        <translation>la foto</translation>
    </message>
    <message>
        <source>the strip over the photograph</source>
        <translation>la franja sobre la foto</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>el fondo</translation>
    </message>
    <message>
        <source>the strip over the background</source>
        <translation>la franja sobre el fondo</translation>
    </message>
</context>
<context>
    <name>DesktopLockScreen</name>
    <message>
        <source>no desktop portal is running</source>
        <translation>no hay ningún portal de escritorio en ejecución</translation>
    </message>
    <message>
        <source>Set as the lock screen picture</source>
        <translation>Establecida como imagen de la pantalla de bloqueo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the desktop portal did not take it</source>
        <translation>el portal de escritorio no la aceptó</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>el portal de escritorio la rechazó</translation>
    </message>
    <message>
        <source>the desktop portal did not answer</source>
        <translation>el portal de escritorio no respondió</translation>
    </message>
    <message>
        <source>Set as KDE Plasma&apos;s lock screen picture</source>
        <translation>Establecida como imagen de la pantalla de bloqueo de KDE Plasma</translation>
    </message>
    <message>
        <source>Set as GNOME&apos;s screen-saver picture. GNOME&apos;s lock screen shows the desktop picture, blurred: set it as the desktop picture too to see it there</source>
        <translation>Establecida como imagen del salvapantallas de GNOME. La pantalla de bloqueo de GNOME muestra el fondo del escritorio, difuminado: ponla también como fondo del escritorio para verla allí</translation>
    </message>
    <message>
        <source>%1, and no KDE Plasma or GNOME settings tool to fall back on</source>
        <translation>%1, y no hay herramienta de ajustes de KDE Plasma ni de GNOME como alternativa</translation>
    </message>
    <message>
        <source>%1; %2 failed</source>
        <translation>%1; %2 falló</translation>
    </message>
    <message>
        <source>%1; %2 failed: %3</source>
        <translation>%1; %2 falló: %3</translation>
    </message>
    <message>
        <source>%1; %2 could not be started</source>
        <translation>%1; no se pudo iniciar %2</translation>
    </message>
</context>
<context>
    <name>DialogChrome</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Atrás</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Save Wallpaper</source>
        <translation>Guardar fondo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>FlipsideView</name>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
</context>
<context>
    <name>FlipsideViewController</name>
    <message>
        <source>An error occurred:</source>
        <translation>Se produjo un error:</translation>
    </message>
</context>
<context>
    <name>ImagePickerController</name>
    <message>
        <source>Starting the camera…</source>
        <translation>Iniciando la cámara…</translation>
    </message>
    <message>
        <source>Choose a photograph in the file window.</source>
        <translation>Elige una foto en la ventana de archivos.</translation>
    </message>
    <message>
        <source>Move and Scale</source>
        <translation>Mover y escalar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>There is no camera.</source>
        <translation>No hay cámara.</translation>
    </message>
</context>
<context>
    <name>LockScreenCommand</name>
    <message>
        <source>set-lockscreen takes [--device ID], not &apos;%1&apos;</source>
        <translation>set-lockscreen admite [--device ID], no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>not set as the lock screen picture: %1; the picture is %2</source>
        <translation>no establecida como imagen de la pantalla de bloqueo: %1; la imagen es %2</translation>
    </message>
</context>
<context>
    <name>LockScreenGuide</name>
    <message>
        <source>now</source>
        <translation>ahora</translation>
    </message>
    <message>
        <source>dddd, MMMM d</source>
        <extracomment>The classic lock screen&apos;s date: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>slide to unlock</source>
        <translation>desbloquear</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>The lock screen&apos;s date over or under its clock: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Are you the owner of this phone?</source>
        <translation>¿Eres el dueño de este teléfono?</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Dentist at 10:00</source>
        <translation>Dentista a las 10:00</translation>
    </message>
    <message>
        <source>Press home to open</source>
        <translation>Pulsa Inicio para abrir</translation>
    </message>
    <message>
        <source>Swipe up to unlock</source>
        <translation>Desliza hacia arriba para desbloquear</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Bloqueo</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Save Your Wallpaper</source>
        <translation>Guarda tu fondo</translation>
    </message>
    <message>
        <source>1.  Tap Continue. The wallpaper is shown alone on the screen.</source>
        <translation>1.  «Continuar» muestra el fondo solo.</translation>
    </message>
    <message>
        <source>2.  The screen is captured into your photo album, %1.</source>
        <translation>2.  La pantalla se guarda en tu álbum, %1.</translation>
    </message>
    <message>
        <source>3.  Tap anywhere to come back.</source>
        <translation>3.  Toca en cualquier sitio para volver.</translation>
    </message>
    <message>
        <source>4.  Set the captured picture as your lock screen picture.</source>
        <translation>4.  Ponla en la pantalla de bloqueo.</translation>
    </message>
    <message>
        <source>Set as Lock Screen</source>
        <translation>Usar en pantalla de bloqueo</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>Enviar al teléfono</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>On %1:</source>
        <translation>En %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>this screen cannot draw it</source>
        <translation>esta pantalla no puede dibujarlo</translation>
    </message>
</context>
<context>
    <name>NewStyleDialog</name>
    <message>
        <source>Strip</source>
        <translation>Franja</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Save Style As</source>
        <translation>Guardar estilo como</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Nuevo estilo</translation>
    </message>
</context>
<context>
    <name>PalettePanel</name>
    <message>
        <source>Previous palette</source>
        <translation>Paleta anterior</translation>
    </message>
    <message>
        <source>Next palette</source>
        <translation>Paleta siguiente</translation>
    </message>
</context>
<context>
    <name>PeoplePicker</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>No contacts yet.

Import a .vcf file exported from your address book or mail program.</source>
        <translation>Aún no hay contactos.

Importa un archivo .vcf exportado de tu libreta de direcciones o programa de correo.</translation>
    </message>
    <message>
        <source>‹ Contacts</source>
        <translation>‹ Contactos</translation>
    </message>
</context>
<context>
    <name>PeoplePickerNavigationController</name>
    <message>
        <source>This build cannot open files.</source>
        <translation>Esta versión no puede abrir archivos.</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a contacts file.</source>
        <translation>«%1» es demasiado grande para ser un archivo de contactos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer «%1».</translation>
    </message>
    <message>
        <source>No contacts were found in &quot;%1&quot;.</source>
        <translation>No se encontraron contactos en «%1».</translation>
    </message>
    <message>
        <source>The contacts are shown, but could not be kept for next time: %1</source>
        <translation>Los contactos se muestran, pero no se pudieron guardar para la próxima vez: %1</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error al importar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PhoneDialog</name>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Search, or 390x844@3</source>
        <translation>Buscar, o 390x844@3</translation>
    </message>
    <message>
        <source>Sample Notifications</source>
        <translation>Notificaciones de ejemplo</translation>
    </message>
</context>
<context>
    <name>PhotoSourceDialog</name>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Sin foto</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Photo Library</source>
        <translation>Fototeca</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Quitar foto</translation>
    </message>
</context>
<context>
    <name>RootViewController</name>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SaveStyleAsDialog</name>
    <message>
        <source>Save Style As</source>
        <translation>Guardar estilo como</translation>
    </message>
    <message>
        <source>Style name</source>
        <translation>Nombre del estilo</translation>
    </message>
    <message>
        <source>Name of the new style</source>
        <translation>Nombre del nuevo estilo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Style</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>Screen</name>
    <message>
        <source>under the status bar</source>
        <translation>bajo la barra de estado</translation>
    </message>
    <message>
        <source>under the camera cut-out</source>
        <translation>bajo el recorte de la cámara</translation>
    </message>
    <message>
        <source>under the clock</source>
        <translation>bajo el reloj</translation>
    </message>
    <message>
        <source>under the widgets</source>
        <translation>bajo los widgets</translation>
    </message>
    <message>
        <source>under the notifications</source>
        <translation>bajo las notificaciones</translation>
    </message>
    <message>
        <source>under the shortcut buttons</source>
        <translation>bajo los botones de acceso rápido</translation>
    </message>
    <message>
        <source>under the home indicator</source>
        <translation>bajo el indicador de inicio</translation>
    </message>
    <message>
        <source>under the unlock controls</source>
        <translation>bajo los controles de desbloqueo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <translation>Personalizado %1</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>--timeout is a whole number of seconds from 1 to 3600</source>
        <translation>--timeout es un número entero de segundos entre 1 y 3600</translation>
    </message>
    <message>
        <source>--bind is an IP address, not &apos;%1&apos;</source>
        <translation>--bind es una dirección IP, no «%1»</translation>
    </message>
    <message>
        <source>--bind is this computer&apos;s address on the network, not %1</source>
        <translation>--bind es la dirección de este ordenador en la red, no %1</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>no se puede codificar la imagen</translation>
    </message>
    <message>
        <source>send takes [--device ID] [--timeout S] [--bind ADDRESS], not &apos;%1&apos;</source>
        <translation>send admite [--device ID] [--timeout S] [--bind ADDRESS], no «%1»</translation>
    </message>
    <message>
        <source>Scan the code with your phone&apos;s camera; the phone must be on the same network as this computer.</source>
        <translation>Escanea el código con la cámara del teléfono; el teléfono debe estar en la misma red que este ordenador.</translation>
    </message>
    <message>
        <source>nobody downloaded it in %1 s</source>
        <translation>nadie lo descargó en %1 s</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
</context>
<context>
    <name>SendToPhonePanel</name>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>Enviar al móvil</translation>
    </message>
    <message>
        <source>The picture cannot be sent: %1.</source>
        <translation>No se puede enviar la imagen: %1.</translation>
    </message>
    <message>
        <source>this computer cannot send it</source>
        <translation>este ordenador no puede enviarla</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Your phone has the wallpaper. Save it to your photos and set it as your lock screen picture.</source>
        <translation>Tu teléfono tiene el fondo. Guárdalo en tus fotos y ponlo como imagen de la pantalla de bloqueo.</translation>
    </message>
    <message>
        <source>The address has expired.</source>
        <translation>La dirección ha caducado.</translation>
    </message>
    <message>
        <source>Scan with your phone&apos;s camera. Your phone must be on the same network as this computer.</source>
        <translation>Escanea con la cámara del teléfono. El teléfono debe estar en la misma red que este ordenador.</translation>
    </message>
    <message>
        <source>Expires in %1</source>
        <translation>Caduca en %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Couldn&apos;t save your settings: %1</source>
        <translation>No se pudieron guardar tus ajustes: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your settings: %1; changes are not saved</source>
        <translation>No se pudieron leer tus ajustes: %1; los cambios no se guardan</translation>
    </message>
    <message>
        <source>another program holds them</source>
        <translation>otro programa los tiene bloqueados</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialog</name>
    <message>
        <source>LETTERING</source>
        <translation>LETRAS</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>CONTRAST</source>
        <translation>CONTRASTE</translation>
    </message>
    <message>
        <source>STRIP LAYOUT</source>
        <translation>DISPOSICIÓN</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividida</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Classic: one strip across the middle. Split: contact above, information below. None: the background alone, no strip and no lettering.</source>
        <translation>Clásica: una franja en el centro. Dividida: contacto arriba, información abajo. Ninguna: solo el fondo, sin franja ni letras.</translation>
    </message>
    <message>
        <source>STRIP OPACITY</source>
        <translation>OPACIDAD DE LA FRANJA</translation>
    </message>
    <message>
        <source>Drag to see the strip fade; the opacity is kept when you let go.</source>
        <translation>Arrastra para atenuar la franja; la opacidad se mantiene al soltar.</translation>
    </message>
    <message>
        <source>Strip Options</source>
        <translation>Opciones de franja</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Less opaque</source>
        <translation>Menos opaco</translation>
    </message>
    <message>
        <source>More opaque</source>
        <translation>Más opaco</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialogViewController</name>
    <message>
        <source>White</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>Opacity %1</source>
        <translation>Opacidad %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>no lettering</source>
        <translation>sin letras</translation>
    </message>
</context>
<context>
    <name>StyleLibraryDialog</name>
    <message>
        <source>Style Library</source>
        <translation>Biblioteca de estilos</translation>
    </message>
</context>
<context>
    <name>SwatchPalette</name>
    <message>
        <source>spectrum</source>
        <translation>espectro</translation>
    </message>
    <message>
        <source>earth tones</source>
        <translation>tonos tierra</translation>
    </message>
    <message>
        <source>earth tones dark</source>
        <translation>tonos tierra oscuros</translation>
    </message>
    <message>
        <source>earth tones light</source>
        <translation>tonos tierra claros</translation>
    </message>
    <message>
        <source>grays</source>
        <translation>grises</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>estándar</translation>
    </message>
    <message>
        <source>standard dark</source>
        <translation>estándar oscuro</translation>
    </message>
    <message>
        <source>standard light</source>
        <translation>estándar claro</translation>
    </message>
</context>
<context>
    <name>ThemeCell</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>ThemeCellViewController</name>
    <message>
        <source>Delete Style</source>
        <translation>Eliminar estilo</translation>
    </message>
    <message>
        <source>Are you sure you want to delete theme %1 ?</source>
        <translation>¿Seguro que quieres eliminar el estilo %1?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>home</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>work</source>
        <translation>trabajo</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>fax</source>
        <translation>fax</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>buscapersonas</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>móvil</translation>
    </message>
    <message>
        <source>main</source>
        <translation>principal</translation>
    </message>
    <message>
        <source>car</source>
        <translation>coche</translation>
    </message>
    <message>
        <source>callback</source>
        <translation>devolución de llamada</translation>
    </message>
    <message>
        <source>textphone</source>
        <translation>teléfono de texto</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>teléfono</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>empresa</translation>
    </message>
    <message>
        <source>email</source>
        <translation>correo</translation>
    </message>
    <message>
        <source>address</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>website</source>
        <translation>sitio web</translation>
    </message>
    <message>
        <source>title</source>
        <translation>cargo</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>apodo</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>cumpleaños</translation>
    </message>
</context>
<context>
    <name>ViewAccessibility</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beis</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>Paleta de colores</translation>
    </message>
    <message>
        <source>Colour spectrum</source>
        <translation>Espectro de colores</translation>
    </message>
    <message>
        <source>Colour spectrum, %1</source>
        <translation>Espectro de colores, %1</translation>
    </message>
</context>
<context>
    <name>WallpaperCode</name>
    <message>
        <source>Scan to call</source>
        <translation>Escanea para llamar</translation>
    </message>
    <message>
        <source>no code to call: the contact text holds no number to dial</source>
        <translation>sin código para llamar: el texto de contacto no tiene ningún número que marcar</translation>
    </message>
    <message>
        <source>Scan me</source>
        <translation>Escanéame</translation>
    </message>
    <message>
        <source>no code: its address must start with https://</source>
        <translation>sin código: su dirección debe empezar por https://</translation>
    </message>
    <message>
        <source>the scan code does not fit below the strips (fewer strips or a shorter address leave room)</source>
        <translation>el código no cabe bajo las franjas (menos franjas o una dirección más corta dejan sitio)</translation>
    </message>
</context>
<context>
    <name>WallpaperLayout</name>
    <message>
        <source>the strip</source>
        <translation>la franja</translation>
    </message>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>«TAVRIN:»</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>el número</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>la línea de información</translation>
    </message>
    <message>
        <source>the upper strip</source>
        <translation>la franja superior</translation>
    </message>
    <message>
        <source>the lower strip</source>
        <translation>la franja inferior</translation>
    </message>
    <message>
        <source>%1 reaches beyond the screen&apos;s edge</source>
        <translation>%1 sobrepasa el borde de la pantalla</translation>
    </message>
    <message>
        <source>%1 lies %2 (points %3 to %4 from the top)</source>
        <translation>%1 queda %2 (puntos %3 a %4 desde arriba)</translation>
    </message>
</context>
<context>
    <name>WebView</name>
    <message>
        <source>This device has no network access.</source>
        <translation>Este dispositivo no tiene acceso a la red.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>unknown or malformed argument &apos;%1&apos;</source>
        <translation>argumento desconocido o mal formado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); try &apos;tavrin-plus export&apos; or &apos;xvfb-run tavrin-plus&apos;</source>
        <translation>no hay pantalla donde abrir la ventana (no está definido DISPLAY ni WAYLAND_DISPLAY); prueba &apos;tavrin-plus export&apos; o &apos;xvfb-run tavrin-plus&apos;</translation>
    </message>
</context>
</TS>
