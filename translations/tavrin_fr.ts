<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlertView</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AppRuntime</name>
    <message>
        <source>cannot encode the picture</source>
        <translation>impossible d’encoder l’image</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation>aucun nom libre dans %1</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it reads &apos;%2&apos;): nothing was saved</source>
        <translation>le code de l’image ne se relit pas comme &apos;%1&apos; (il se lit &apos;%2&apos;) : rien n’a été enregistré</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it cannot be read): nothing was saved</source>
        <translation>le code de l’image ne se relit pas comme &apos;%1&apos; (il est illisible) : rien n’a été enregistré</translation>
    </message>
</context>
<context>
    <name>BGOptionsDialog</name>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>TOUCH A COLOUR</source>
        <translation>TOUCHEZ UNE COULEUR</translation>
    </message>
</context>
<context>
    <name>CaptureMode</name>
    <message>
        <source>Setting %1 as the lock screen picture…</source>
        <translation>Définition de %1 comme image de l’écran verrouillé…</translation>
    </message>
    <message>
        <source>Lock screen not set: %1</source>
        <translation>Écran verrouillé non défini : %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré : %1</translation>
    </message>
</context>
<context>
    <name>CaptureNotice</name>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher le dossier</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialog</name>
    <message>
        <source>Information</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Contact, shown after TAVRIN:</source>
        <translation>Contact, affiché après TAVRIN:</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Other information</source>
        <translation>Autres informations</translation>
    </message>
    <message>
        <source>Reward, e-mail address, note</source>
        <translation>Récompense, adresse e-mail, note</translation>
    </message>
    <message>
        <source>Scan code below the strips</source>
        <translation>Code à scanner sous les bandes</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Appel</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>https:// address for Address</source>
        <translation>Adresse https:// pour « Adresse »</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialogViewController</name>
    <message>
        <source>No number: whoever finds the phone cannot call you. </source>
        <translation>Aucun numéro : qui trouve le téléphone ne peut pas vous appeler. </translation>
    </message>
    <message>
        <source>The number is too long: the wallpaper shortens it. </source>
        <translation>Le numéro est trop long : le fond d’écran le raccourcit. </translation>
    </message>
    <message>
        <source>The information is too long: the wallpaper shortens it. </source>
        <translation>L’information est trop longue : le fond d’écran la raccourcit. </translation>
    </message>
    <message>
        <source>Scan code: %1.</source>
        <translation>Code à scanner : %1.</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialog</name>
    <message>
        <source>Style Library</source>
        <translation>Bibliothèque de styles</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Nouveau style</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Current style</source>
        <translation>Style actuel</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialogViewController</name>
    <message>
        <source>%1 (modified)</source>
        <translation>%1 (modifié)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 holds %2, not a colour; the default is used</source>
        <translation>%1 contient %2, pas une couleur ; la valeur par défaut est utilisée</translation>
    </message>
    <message>
        <source>%1 holds %2, not classic, split or none; no strip is shown</source>
        <translation>%1 contient %2, pas classic, split ni none ; aucune bande n’est affichée</translation>
    </message>
    <message>
        <source>%1 holds %2, not none, tel or url; no scan code is shown</source>
        <translation>%1 contient %2, pas none, tel ni url ; aucun code n’est affiché</translation>
    </message>
    <message>
        <source>%1 holds %2, not a list of styles; none are offered</source>
        <translation>%1 contient %2, pas une liste de styles ; aucun n’est proposé</translation>
    </message>
    <message>
        <source>%1 holds %2, not text; it reads as empty</source>
        <translation>%1 contient %2, pas du texte ; il est lu comme vide</translation>
    </message>
    <message>
        <source>get takes one KEY or --json</source>
        <translation>get prend une KEY ou --json</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque : %1</translation>
    </message>
    <message>
        <source>no setting named &apos;%1&apos;</source>
        <translation>aucun réglage nommé &apos;%1&apos;</translation>
    </message>
    <message>
        <source>set takes KEY and VALUE</source>
        <translation>set prend KEY et VALUE</translation>
    </message>
    <message>
        <source>strip_layout is classic, split or none</source>
        <translation>strip_layout vaut classic, split ou none</translation>
    </message>
    <message>
        <source>device is a screen that &apos;tavrin-plus devices&apos; lists, or WIDTHxHEIGHT@SCALE in points, for example 390x844@3</source>
        <translation>device est un écran listé par &apos;tavrin-plus devices&apos;, ou WIDTHxHEIGHT@SCALE en points, par exemple 390x844@3</translation>
    </message>
    <message>
        <source>qr_code is none, tel or url</source>
        <translation>qr_code vaut none, tel ou url</translation>
    </message>
    <message>
        <source>qr_url is an https address, for example https://example.com/found</source>
        <translation>qr_url est une adresse https, par exemple https://example.com/found</translation>
    </message>
    <message>
        <source>a colour is written 0xRRGGBBAA, for example 0x1B1C1CFF</source>
        <translation>une couleur s’écrit 0xRRGGBBAA, par exemple 0x1B1C1CFF</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be set; settable are phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code and qr_url</source>
        <translation>&apos;%1&apos; ne peut pas être défini ; sont modifiables phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code et qr_url</translation>
    </message>
    <message>
        <source>--scale is a whole number from 1 to 4</source>
        <translation>--scale est un nombre entier de 1 à 4</translation>
    </message>
    <message>
        <source>export takes [-o FILE] [--device ID] [--scale N], not &apos;%1&apos;</source>
        <translation>export prend [-o FILE] [--device ID] [--scale N], pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the output file ends in .png, .jpg or .jpeg</source>
        <translation>le fichier de sortie se termine par .png, .jpg ou .jpeg</translation>
    </message>
    <message>
        <source>--scale is for the classic screen; %1&apos;s picture is made at its own pixels</source>
        <translation>--scale vaut pour l’écran classique ; l’image de %1 est faite à ses propres pixels</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>impossible d’encoder l’image</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>photo takes FILE or --remove</source>
        <translation>photo prend FILE ou --remove</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read</source>
        <translation>%1 n’est pas une image lisible</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1 : fichier introuvable</translation>
    </message>
    <message>
        <source>%1 takes one NAME (quote a name with spaces)</source>
        <translation>%1 prend un NAME (mettez entre guillemets un nom avec des espaces)</translation>
    </message>
    <message>
        <source>styles takes no arguments</source>
        <translation>styles ne prend aucun argument</translation>
    </message>
    <message>
        <source>there is no style named &apos;%1&apos;; &apos;tavrin-plus styles&apos; lists them</source>
        <translation>aucun style nommé &apos;%1&apos; ; &apos;tavrin-plus styles&apos; les liste</translation>
    </message>
    <message>
        <source>a style needs a name</source>
        <translation>un style doit avoir un nom</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a built-in style; only saved styles can be deleted</source>
        <translation>&apos;%1&apos; est un style intégré ; seuls les styles enregistrés peuvent être supprimés</translation>
    </message>
    <message>
        <source>there is no saved style named &apos;%1&apos;</source>
        <translation>aucun style enregistré nommé &apos;%1&apos;</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices ne prend aucun argument</translation>
    </message>
    <message>
        <source>check takes [--device ID] [--verbose]</source>
        <translation>check prend [--device ID] [--verbose]</translation>
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
        <translation>Usage : tavrin-plus [--zoom N]       ouvrir la fenêtre (N de 1 à 4)
       tavrin-plus export [-o FILE] [--device ID] [--scale N]
                                     écrire le fond d’écran en PNG ou JPEG (dans le dossier de
                                     l’album photo sans -o) aux pixels du téléphone, ou à N fois
                                     l’écran classique ; affiche le chemin
       tavrin-plus get [KEY]         afficher les réglages en vigueur, couleurs en 0xRRGGBBAA ;
                                     barre oblique inverse, tabulation, saut de ligne et
                                     caractères de contrôle échappés (\\, \t, \n, \xNN) :
                                     un enregistrement par ligne
       tavrin-plus get --json        afficher les réglages tels qu’enregistrés, en un objet JSON
       tavrin-plus set KEY VALUE     définir phone_preference, other_preference, strip_layout
                                     (classic, split, none) ou une couleur : strip_color,
                                     bg_color, font_face, font_highlight ; ou device : un id
                                     listé par &apos;devices&apos; ou WIDTHxHEIGHT@SCALE en points ;
                                     ou qr_code (none, tel, url) et qr_url (https://...) :
                                     un code sous les bandes qui appelle le numéro ou ouvre
                                     l’adresse
       tavrin-plus styles            lister les styles : &apos;*&apos; pour l’actuel, le nom, les couleurs
                                     de bande, de fond, du texte et de surbrillance, user ou
                                     built-in
       tavrin-plus apply NAME        appliquer le premier style de ce nom
       tavrin-plus save-style NAME   enregistrer les couleurs actuelles comme style
       tavrin-plus delete-style NAME supprimer les styles enregistrés de ce nom
       tavrin-plus devices           lister les écrans : id, nom, pixels, pixels par pouce
       tavrin-plus check [--device ID] [--verbose]
                                     afficher chaque partie du fond que l’écran verrouillé
                                     couvrirait et chaque texte au contraste trop faible
                                     (sous 3:1 et Lc 45 pour le numéro, 4.5:1 et Lc 60 pour la
                                     ligne d’informations), un par ligne, et sortir avec 1 ;
                                     rien et 0 sinon. --verbose affiche chaque mesure,
                                     réussie ou non
       tavrin-plus photo FILE        placer la photo derrière la bande, cadrée pour remplir
                                     l’écran comme l’éditeur de cadrage la montre d’abord
       tavrin-plus photo --remove    retirer la photo : la couleur de fond apparaît
       tavrin-plus send [--device ID] [--timeout S] [--bind ADDRESS]
                                     proposer le fond pour un téléchargement sur le réseau
                                     local : affiche son adresse en code QR pour l’appareil
                                     photo du téléphone ; se termine une fois téléchargé, ou
                                     avec 1 après S secondes (120 par défaut)
       tavrin-plus set-lockscreen [--device ID]
                                     enregistrer le fond dans l’album photo et en faire l’image
                                     de l’écran verrouillé de ce bureau : par le portail de
                                     bureau, sinon les réglages de KDE Plasma ou de GNOME ;
                                     sortir avec 1 et la raison si le bureau ne peut pas la prendre
       tavrin-plus --help | --version
</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) meets %4 (%5) against %6</source>
        <translation>%1 : contraste %2 (%3), atteint %4 (%5) contre %6</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) is below %4 (%5) against %6</source>
        <translation>%1 : contraste %2 (%3), sous %4 (%5) contre %6</translation>
    </message>
    <message>
        <source>the scan code: %1 modules a side, each %2 mm (%3 pixels)</source>
        <translation>le code à scanner : %1 modules de côté, chacun de %2 mm (%3 pixels)</translation>
    </message>
</context>
<context>
    <name>CommandSession</name>
    <message>
        <source>the capture mode did not reach the wallpaper alone</source>
        <translation>le mode capture n’a pas atteint le fond d’écran seul</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 n’est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <source>there is no screen &apos;%1&apos;; &apos;tavrin-plus devices&apos; lists them, or give WIDTHxHEIGHT@SCALE in points</source>
        <translation>aucun écran &apos;%1&apos; ; &apos;tavrin-plus devices&apos; les liste, ou indiquez WIDTHxHEIGHT@SCALE en points</translation>
    </message>
    <message>
        <source>note: device holds &apos;%1&apos;, no screen known; the classic one is used</source>
        <translation>remarque : device contient &apos;%1&apos;, aucun écran connu ; l’écran classique est utilisé</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>« TAVRIN: »</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>le numéro</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>la ligne d’informations</translation>
    </message>
    <message>
        <source>the strip</source>
        <translation>la bande</translation>
    </message>
    <message>
        <source>the photograph</source>
        <translation>la photo</translation>
    </message>
    <message>
        <source>the strip over the photograph</source>
        <translation>la bande sur la photo</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>le fond</translation>
    </message>
    <message>
        <source>the strip over the background</source>
        <translation>la bande sur le fond</translation>
    </message>
</context>
<context>
    <name>DesktopLockScreen</name>
    <message>
        <source>no desktop portal is running</source>
        <translation>aucun portail de bureau n’est lancé</translation>
    </message>
    <message>
        <source>Set as the lock screen picture</source>
        <translation>Défini comme image de l’écran verrouillé</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the desktop portal did not take it</source>
        <translation>le portail de bureau ne l’a pas pris</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>le portail de bureau l’a refusé</translation>
    </message>
    <message>
        <source>the desktop portal did not answer</source>
        <translation>le portail de bureau n’a pas répondu</translation>
    </message>
    <message>
        <source>Set as KDE Plasma&apos;s lock screen picture</source>
        <translation>Défini comme image de l’écran verrouillé de KDE Plasma</translation>
    </message>
    <message>
        <source>Set as GNOME&apos;s screen-saver picture. GNOME&apos;s lock screen shows the desktop picture, blurred: set it as the desktop picture too to see it there</source>
        <translation>Défini comme image de l’économiseur d’écran de GNOME. L’écran verrouillé de GNOME montre le fond du bureau, flouté : définissez-la aussi comme fond du bureau pour l’y voir</translation>
    </message>
    <message>
        <source>%1, and no KDE Plasma or GNOME settings tool to fall back on</source>
        <translation>%1, et aucun outil de réglages KDE Plasma ou GNOME pour prendre le relais</translation>
    </message>
    <message>
        <source>%1; %2 failed</source>
        <translation>%1 ; %2 a échoué</translation>
    </message>
    <message>
        <source>%1; %2 failed: %3</source>
        <translation>%1 ; %2 a échoué : %3</translation>
    </message>
    <message>
        <source>%1; %2 could not be started</source>
        <translation>%1 ; %2 n’a pas pu être lancé</translation>
    </message>
</context>
<context>
    <name>DialogChrome</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Retour</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Cacher</translation>
    </message>
    <message>
        <source>Save Wallpaper</source>
        <translation>Enregistrer le fond</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>FlipsideView</name>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
</context>
<context>
    <name>FlipsideViewController</name>
    <message>
        <source>An error occurred:</source>
        <translation>Une erreur s’est produite :</translation>
    </message>
</context>
<context>
    <name>ImagePickerController</name>
    <message>
        <source>Starting the camera…</source>
        <translation>Démarrage de la caméra…</translation>
    </message>
    <message>
        <source>Choose a photograph in the file window.</source>
        <translation>Choisissez une photo dans la fenêtre de fichiers.</translation>
    </message>
    <message>
        <source>Move and Scale</source>
        <translation>Déplacer et redimensionner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>There is no camera.</source>
        <translation>Aucune caméra.</translation>
    </message>
</context>
<context>
    <name>LockScreenCommand</name>
    <message>
        <source>set-lockscreen takes [--device ID], not &apos;%1&apos;</source>
        <translation>set-lockscreen prend [--device ID], pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>not set as the lock screen picture: %1; the picture is %2</source>
        <translation>non défini comme image de l’écran verrouillé : %1 ; l’image est %2</translation>
    </message>
</context>
<context>
    <name>LockScreenGuide</name>
    <message>
        <source>now</source>
        <translation>maint.</translation>
    </message>
    <message>
        <source>dddd, MMMM d</source>
        <extracomment>The classic lock screen&apos;s date: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd d MMMM</translation>
    </message>
    <message>
        <source>slide to unlock</source>
        <translation>déverrouiller</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>The lock screen&apos;s date over or under its clock: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd d MMMM</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Are you the owner of this phone?</source>
        <translation>Ce téléphone est-il à vous ?</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Dentist at 10:00</source>
        <translation>Dentiste à 10:00</translation>
    </message>
    <message>
        <source>Press home to open</source>
        <translation>Appuyez sur le bouton principal</translation>
    </message>
    <message>
        <source>Swipe up to unlock</source>
        <translation>Balayez vers le haut pour déverrouiller</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Information</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Verrouillage</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Save Your Wallpaper</source>
        <translation>Enregistrer le fond</translation>
    </message>
    <message>
        <source>1.  Tap Continue. The wallpaper is shown alone on the screen.</source>
        <translation>1.  « Continuer » affiche le fond d’écran seul.</translation>
    </message>
    <message>
        <source>2.  The screen is captured into your photo album, %1.</source>
        <translation>2.  L’écran est enregistré dans votre album, %1.</translation>
    </message>
    <message>
        <source>3.  Tap anywhere to come back.</source>
        <translation>3.  Touchez l’écran pour revenir.</translation>
    </message>
    <message>
        <source>4.  Set the captured picture as your lock screen picture.</source>
        <translation>4.  Mettez-la sur l’écran verrouillé.</translation>
    </message>
    <message>
        <source>Set as Lock Screen</source>
        <translation>Écran verrouillé</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>Envoyer au téléphone</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>On %1:</source>
        <translation>Sur %1 :</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>this screen cannot draw it</source>
        <translation>cet écran ne peut pas le dessiner</translation>
    </message>
</context>
<context>
    <name>NewStyleDialog</name>
    <message>
        <source>Strip</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Save Style As</source>
        <translation>Enregistrer le style</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Nouveau style</translation>
    </message>
</context>
<context>
    <name>PalettePanel</name>
    <message>
        <source>Previous palette</source>
        <translation>Palette précédente</translation>
    </message>
    <message>
        <source>Next palette</source>
        <translation>Palette suivante</translation>
    </message>
</context>
<context>
    <name>PeoplePicker</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>No contacts yet.

Import a .vcf file exported from your address book or mail program.</source>
        <translation>Aucun contact pour l’instant.

Importez un fichier .vcf exporté de votre carnet d’adresses ou de votre messagerie.</translation>
    </message>
    <message>
        <source>‹ Contacts</source>
        <translation>‹ Contacts</translation>
    </message>
</context>
<context>
    <name>PeoplePickerNavigationController</name>
    <message>
        <source>This build cannot open files.</source>
        <translation>Cette version ne peut pas ouvrir de fichiers.</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a contacts file.</source>
        <translation>« %1 » est trop volumineux pour un fichier de contacts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>« %1 » n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>No contacts were found in &quot;%1&quot;.</source>
        <translation>Aucun contact trouvé dans « %1 ».</translation>
    </message>
    <message>
        <source>The contacts are shown, but could not be kept for next time: %1</source>
        <translation>Les contacts sont affichés, mais n’ont pas pu être gardés pour la prochaine fois : %1</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l’importation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PhoneDialog</name>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Search, or 390x844@3</source>
        <translation>Rechercher, ou 390x844@3</translation>
    </message>
    <message>
        <source>Sample Notifications</source>
        <translation>Notifications d’exemple</translation>
    </message>
</context>
<context>
    <name>PhotoSourceDialog</name>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Aucune photo</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Photo Library</source>
        <translation>Photothèque</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Supprimer la photo</translation>
    </message>
</context>
<context>
    <name>RootViewController</name>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
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
        <translation>Enregistrer le style</translation>
    </message>
    <message>
        <source>Style name</source>
        <translation>Nom du style</translation>
    </message>
    <message>
        <source>Name of the new style</source>
        <translation>Nom du nouveau style</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save Style</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>Screen</name>
    <message>
        <source>under the status bar</source>
        <translation>sous la barre d’état</translation>
    </message>
    <message>
        <source>under the camera cut-out</source>
        <translation>sous l’encoche de la caméra</translation>
    </message>
    <message>
        <source>under the clock</source>
        <translation>sous l’horloge</translation>
    </message>
    <message>
        <source>under the widgets</source>
        <translation>sous les widgets</translation>
    </message>
    <message>
        <source>under the notifications</source>
        <translation>sous les notifications</translation>
    </message>
    <message>
        <source>under the shortcut buttons</source>
        <translation>sous les boutons de raccourci</translation>
    </message>
    <message>
        <source>under the home indicator</source>
        <translation>sous l’indicateur d’accueil</translation>
    </message>
    <message>
        <source>under the unlock controls</source>
        <translation>sous les commandes de déverrouillage</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <translation>Personnalisé %1</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>--timeout is a whole number of seconds from 1 to 3600</source>
        <translation>--timeout est un nombre entier de secondes entre 1 et 3600</translation>
    </message>
    <message>
        <source>--bind is an IP address, not &apos;%1&apos;</source>
        <translation>--bind est une adresse IP, pas « %1 »</translation>
    </message>
    <message>
        <source>--bind is this computer&apos;s address on the network, not %1</source>
        <translation>--bind est l’adresse de cet ordinateur sur le réseau, pas %1</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>impossible d’encoder l’image</translation>
    </message>
    <message>
        <source>send takes [--device ID] [--timeout S] [--bind ADDRESS], not &apos;%1&apos;</source>
        <translation>send accepte [--device ID] [--timeout S] [--bind ADDRESS], pas « %1 »</translation>
    </message>
    <message>
        <source>Scan the code with your phone&apos;s camera; the phone must be on the same network as this computer.</source>
        <translation>Scannez le code avec l’appareil photo de votre téléphone ; le téléphone doit être sur le même réseau que cet ordinateur.</translation>
    </message>
    <message>
        <source>nobody downloaded it in %1 s</source>
        <translation>personne ne l’a téléchargé en %1 s</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
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
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>Envoi au mobile</translation>
    </message>
    <message>
        <source>The picture cannot be sent: %1.</source>
        <translation>L’image ne peut pas être envoyée : %1.</translation>
    </message>
    <message>
        <source>this computer cannot send it</source>
        <translation>cet ordinateur ne peut pas l’envoyer</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Your phone has the wallpaper. Save it to your photos and set it as your lock screen picture.</source>
        <translation>Votre téléphone a le fond d’écran. Enregistrez-le dans vos photos et faites-en l’image de l’écran verrouillé.</translation>
    </message>
    <message>
        <source>The address has expired.</source>
        <translation>L’adresse a expiré.</translation>
    </message>
    <message>
        <source>Scan with your phone&apos;s camera. Your phone must be on the same network as this computer.</source>
        <translation>Scannez avec l’appareil photo du téléphone. Il doit être sur le même réseau que cet ordinateur.</translation>
    </message>
    <message>
        <source>Expires in %1</source>
        <translation>Expire dans %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Couldn&apos;t save your settings: %1</source>
        <translation>Impossible d’enregistrer vos réglages : %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your settings: %1; changes are not saved</source>
        <translation>Impossible de lire vos réglages : %1 ; les modifications ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>another program holds them</source>
        <translation>un autre programme les bloque</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialog</name>
    <message>
        <source>LETTERING</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>CONTRAST</source>
        <translation>CONTRASTE</translation>
    </message>
    <message>
        <source>STRIP LAYOUT</source>
        <translation>DISPOSITION</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Scindée</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Classic: one strip across the middle. Split: contact above, information below. None: the background alone, no strip and no lettering.</source>
        <translation>Classique : une bande au milieu. Scindée : contact en haut, informations en bas. Aucune : le fond seul, sans bande ni texte.</translation>
    </message>
    <message>
        <source>STRIP OPACITY</source>
        <translation>OPACITÉ DE LA BANDE</translation>
    </message>
    <message>
        <source>Drag to see the strip fade; the opacity is kept when you let go.</source>
        <translation>Faites glisser pour estomper la bande ; l’opacité reste au relâcher.</translation>
    </message>
    <message>
        <source>Strip Options</source>
        <translation>Options de bande</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Less opaque</source>
        <translation>Moins opaque</translation>
    </message>
    <message>
        <source>More opaque</source>
        <translation>Plus opaque</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialogViewController</name>
    <message>
        <source>White</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Texte %1</translation>
    </message>
    <message>
        <source>Opacity %1</source>
        <translation>Opacité %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>no lettering</source>
        <translation>aucun texte</translation>
    </message>
</context>
<context>
    <name>StyleLibraryDialog</name>
    <message>
        <source>Style Library</source>
        <translation>Bibliothèque de styles</translation>
    </message>
</context>
<context>
    <name>SwatchPalette</name>
    <message>
        <source>spectrum</source>
        <translation>spectre</translation>
    </message>
    <message>
        <source>earth tones</source>
        <translation>tons terre</translation>
    </message>
    <message>
        <source>earth tones dark</source>
        <translation>tons terre foncés</translation>
    </message>
    <message>
        <source>earth tones light</source>
        <translation>tons terre clairs</translation>
    </message>
    <message>
        <source>grays</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>standard dark</source>
        <translation>standard foncé</translation>
    </message>
    <message>
        <source>standard light</source>
        <translation>standard clair</translation>
    </message>
</context>
<context>
    <name>ThemeCell</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>ThemeCellViewController</name>
    <message>
        <source>Delete Style</source>
        <translation>Supprimer le style</translation>
    </message>
    <message>
        <source>Are you sure you want to delete theme %1 ?</source>
        <translation>Voulez-vous vraiment supprimer le style %1 ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>home</source>
        <translation>domicile</translation>
    </message>
    <message>
        <source>work</source>
        <translation>travail</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
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
        <translation>bipeur</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>mobile</translation>
    </message>
    <message>
        <source>main</source>
        <translation>principal</translation>
    </message>
    <message>
        <source>car</source>
        <translation>voiture</translation>
    </message>
    <message>
        <source>callback</source>
        <translation>rappel</translation>
    </message>
    <message>
        <source>textphone</source>
        <translation>téléscripteur</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>téléphone</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>société</translation>
    </message>
    <message>
        <source>email</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adresse</translation>
    </message>
    <message>
        <source>website</source>
        <translation>site web</translation>
    </message>
    <message>
        <source>title</source>
        <translation>fonction</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>surnom</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>anniversaire</translation>
    </message>
</context>
<context>
    <name>ViewAccessibility</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Pourpre</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>Palette de couleurs</translation>
    </message>
    <message>
        <source>Colour spectrum</source>
        <translation>Spectre de couleurs</translation>
    </message>
    <message>
        <source>Colour spectrum, %1</source>
        <translation>Spectre de couleurs, %1</translation>
    </message>
</context>
<context>
    <name>WallpaperCode</name>
    <message>
        <source>Scan to call</source>
        <translation>Scanner pour appeler</translation>
    </message>
    <message>
        <source>no code to call: the contact text holds no number to dial</source>
        <translation>pas de code d’appel : le texte du contact ne contient aucun numéro à composer</translation>
    </message>
    <message>
        <source>Scan me</source>
        <translation>Scannez-moi</translation>
    </message>
    <message>
        <source>no code: its address must start with https://</source>
        <translation>pas de code : son adresse doit commencer par https://</translation>
    </message>
    <message>
        <source>the scan code does not fit below the strips (fewer strips or a shorter address leave room)</source>
        <translation>le code ne tient pas sous les bandes (moins de bandes ou une adresse plus courte laissent de la place)</translation>
    </message>
</context>
<context>
    <name>WallpaperLayout</name>
    <message>
        <source>the strip</source>
        <translation>la bande</translation>
    </message>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>« TAVRIN: »</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>le numéro</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>la ligne d’informations</translation>
    </message>
    <message>
        <source>the upper strip</source>
        <translation>la bande du haut</translation>
    </message>
    <message>
        <source>the lower strip</source>
        <translation>la bande du bas</translation>
    </message>
    <message>
        <source>%1 reaches beyond the screen&apos;s edge</source>
        <translation>%1 dépasse le bord de l’écran</translation>
    </message>
    <message>
        <source>%1 lies %2 (points %3 to %4 from the top)</source>
        <translation>%1 se trouve %2 (points %3 à %4 depuis le haut)</translation>
    </message>
</context>
<context>
    <name>WebView</name>
    <message>
        <source>This device has no network access.</source>
        <translation>Cet appareil n’a pas d’accès au réseau.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>unknown or malformed argument &apos;%1&apos;</source>
        <translation>argument inconnu ou mal formé &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); try &apos;tavrin-plus export&apos; or &apos;xvfb-run tavrin-plus&apos;</source>
        <translation>aucun affichage où ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n’est défini) ; essayez &apos;tavrin-plus export&apos; ou &apos;xvfb-run tavrin-plus&apos;</translation>
    </message>
</context>
</TS>
