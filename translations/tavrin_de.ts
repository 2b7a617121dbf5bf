<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlertView</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AppRuntime</name>
    <message>
        <source>cannot encode the picture</source>
        <translation>das Bild kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation>kein freier Name in %1</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it reads &apos;%2&apos;): nothing was saved</source>
        <translation>der Scan-Code im Bild liest sich nicht als &apos;%1&apos; (er liest sich als &apos;%2&apos;): nichts wurde gesichert</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it cannot be read): nothing was saved</source>
        <translation>der Scan-Code im Bild liest sich nicht als &apos;%1&apos; (er ist nicht lesbar): nichts wurde gesichert</translation>
    </message>
</context>
<context>
    <name>BGOptionsDialog</name>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>TOUCH A COLOUR</source>
        <translation>FARBE ANTIPPEN</translation>
    </message>
</context>
<context>
    <name>CaptureMode</name>
    <message>
        <source>Setting %1 as the lock screen picture…</source>
        <translation>%1 wird als Sperrbildschirm-Bild festgelegt …</translation>
    </message>
    <message>
        <source>Lock screen not set: %1</source>
        <translation>Sperrbildschirm nicht festgelegt: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gesichert</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gesichert: %1</translation>
    </message>
</context>
<context>
    <name>CaptureNotice</name>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialog</name>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Contact, shown after TAVRIN:</source>
        <translation>Kontakt, nach TAVRIN: angezeigt</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Other information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Reward, e-mail address, note</source>
        <translation>Finderlohn, E-Mail-Adresse, Notiz</translation>
    </message>
    <message>
        <source>Scan code below the strips</source>
        <translation>Scan-Code unter den Streifen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anruf</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>https:// address for Address</source>
        <translation>https://-Adresse für „Adresse“</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialogViewController</name>
    <message>
        <source>No number: whoever finds the phone cannot call you. </source>
        <translation>Keine Nummer: Wer das Telefon findet, kann dich nicht anrufen. </translation>
    </message>
    <message>
        <source>The number is too long: the wallpaper shortens it. </source>
        <translation>Die Nummer ist zu lang: Das Hintergrundbild kürzt sie. </translation>
    </message>
    <message>
        <source>The information is too long: the wallpaper shortens it. </source>
        <translation>Die Information ist zu lang: Das Hintergrundbild kürzt sie. </translation>
    </message>
    <message>
        <source>Scan code: %1.</source>
        <translation>Scan-Code: %1.</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialog</name>
    <message>
        <source>Style Library</source>
        <translation>Stilsammlung</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Neuer Stil</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Current style</source>
        <translation>Aktueller Stil</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialogViewController</name>
    <message>
        <source>%1 (modified)</source>
        <translation>%1 (geändert)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 holds %2, not a colour; the default is used</source>
        <translation>%1 enthält %2, keine Farbe; der Standardwert wird verwendet</translation>
    </message>
    <message>
        <source>%1 holds %2, not classic, split or none; no strip is shown</source>
        <translation>%1 enthält %2, nicht classic, split oder none; kein Streifen wird gezeigt</translation>
    </message>
    <message>
        <source>%1 holds %2, not none, tel or url; no scan code is shown</source>
        <translation>%1 enthält %2, nicht none, tel oder url; kein Scan-Code wird gezeigt</translation>
    </message>
    <message>
        <source>%1 holds %2, not a list of styles; none are offered</source>
        <translation>%1 enthält %2, keine Liste von Stilen; keine werden angeboten</translation>
    </message>
    <message>
        <source>%1 holds %2, not text; it reads as empty</source>
        <translation>%1 enthält %2, keinen Text; es gilt als leer</translation>
    </message>
    <message>
        <source>get takes one KEY or --json</source>
        <translation>get nimmt einen KEY oder --json</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>no setting named &apos;%1&apos;</source>
        <translation>keine Einstellung namens &apos;%1&apos;</translation>
    </message>
    <message>
        <source>set takes KEY and VALUE</source>
        <translation>set nimmt KEY und VALUE</translation>
    </message>
    <message>
        <source>strip_layout is classic, split or none</source>
        <translation>strip_layout ist classic, split oder none</translation>
    </message>
    <message>
        <source>device is a screen that &apos;tavrin-plus devices&apos; lists, or WIDTHxHEIGHT@SCALE in points, for example 390x844@3</source>
        <translation>device ist ein Bildschirm, den &apos;tavrin-plus devices&apos; auflistet, oder WIDTHxHEIGHT@SCALE in Punkten, zum Beispiel 390x844@3</translation>
    </message>
    <message>
        <source>qr_code is none, tel or url</source>
        <translation>qr_code ist none, tel oder url</translation>
    </message>
    <message>
        <source>qr_url is an https address, for example https://example.com/found</source>
        <translation>qr_url ist eine https-Adresse, zum Beispiel https://example.com/found</translation>
    </message>
    <message>
        <source>a colour is written 0xRRGGBBAA, for example 0x1B1C1CFF</source>
        <translation>eine Farbe wird 0xRRGGBBAA geschrieben, zum Beispiel 0x1B1C1CFF</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be set; settable are phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code and qr_url</source>
        <translation>&apos;%1&apos; kann nicht gesetzt werden; setzbar sind phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code und qr_url</translation>
    </message>
    <message>
        <source>--scale is a whole number from 1 to 4</source>
        <translation>--scale ist eine ganze Zahl von 1 bis 4</translation>
    </message>
    <message>
        <source>export takes [-o FILE] [--device ID] [--scale N], not &apos;%1&apos;</source>
        <translation>export nimmt [-o FILE] [--device ID] [--scale N], nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the output file ends in .png, .jpg or .jpeg</source>
        <translation>die Ausgabedatei endet auf .png, .jpg oder .jpeg</translation>
    </message>
    <message>
        <source>--scale is for the classic screen; %1&apos;s picture is made at its own pixels</source>
        <translation>--scale gilt für den klassischen Bildschirm; das Bild für %1 entsteht in dessen eigenen Pixeln</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>das Bild kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>photo takes FILE or --remove</source>
        <translation>photo nimmt FILE oder --remove</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read</source>
        <translation>%1 ist kein lesbares Bild</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1 takes one NAME (quote a name with spaces)</source>
        <translation>%1 nimmt einen NAME (einen Namen mit Leerzeichen in Anführungszeichen setzen)</translation>
    </message>
    <message>
        <source>styles takes no arguments</source>
        <translation>styles nimmt keine Argumente</translation>
    </message>
    <message>
        <source>there is no style named &apos;%1&apos;; &apos;tavrin-plus styles&apos; lists them</source>
        <translation>es gibt keinen Stil namens &apos;%1&apos;; &apos;tavrin-plus styles&apos; listet sie auf</translation>
    </message>
    <message>
        <source>a style needs a name</source>
        <translation>ein Stil braucht einen Namen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a built-in style; only saved styles can be deleted</source>
        <translation>&apos;%1&apos; ist ein eingebauter Stil; nur gesicherte Stile können gelöscht werden</translation>
    </message>
    <message>
        <source>there is no saved style named &apos;%1&apos;</source>
        <translation>es gibt keinen gesicherten Stil namens &apos;%1&apos;</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices nimmt keine Argumente</translation>
    </message>
    <message>
        <source>check takes [--device ID] [--verbose]</source>
        <translation>check nimmt [--device ID] [--verbose]</translation>
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
        <translation>Aufruf: tavrin-plus [--zoom N]       das Fenster öffnen (N von 1 bis 4)
       tavrin-plus export [-o FILE] [--device ID] [--scale N]
                                     das Hintergrundbild als PNG oder JPEG schreiben (ohne -o
                                     in den Fotoalbum-Ordner), in den Pixeln des Telefons oder
                                     dem N-fachen des klassischen Bildschirms; gibt den Pfad aus
       tavrin-plus get [KEY]         die geltenden Einstellungen ausgeben, Farben als
                                     0xRRGGBBAA; Backslash, Tabulator, Zeilenumbruch und
                                     Steuerzeichen maskiert (\\, \t, \n, \xNN): ein Eintrag je Zeile
       tavrin-plus get --json        die Einstellungen wie gespeichert ausgeben, als ein
                                     JSON-Objekt
       tavrin-plus set KEY VALUE     phone_preference, other_preference, strip_layout
                                     (classic, split, none) oder eine Farbe setzen: strip_color,
                                     bg_color, font_face, font_highlight; oder device: eine ID,
                                     die &apos;devices&apos; auflistet, oder WIDTHxHEIGHT@SCALE in Punkten;
                                     oder qr_code (none, tel, url) und qr_url (https://...):
                                     ein Scan-Code unter den Streifen, der die Nummer anruft
                                     oder die Adresse öffnet
       tavrin-plus styles            die Stile auflisten: &apos;*&apos; für den aktuellen, der Name,
                                     Streifen-, Hintergrund-, Schrift- und Hervorhebungsfarbe,
                                     user oder built-in
       tavrin-plus apply NAME        den ersten Stil dieses Namens anwenden
       tavrin-plus save-style NAME   die aktuellen Farben als Stil sichern
       tavrin-plus delete-style NAME die gesicherten Stile dieses Namens löschen
       tavrin-plus devices           die Telefonbildschirme auflisten: ID, Name, Pixel, Pixel pro Zoll
       tavrin-plus check [--device ID] [--verbose]
                                     jeden Teil des Hintergrundbilds ausgeben, den sein
                                     Sperrbildschirm verdecken würde, und jeden Text mit zu
                                     wenig Kontrast (unter 3:1 und Lc 45 für die Nummer, 4.5:1
                                     und Lc 60 für die Informationszeile), einen je Zeile, und
                                     mit 1 enden; nichts und 0, wenn keiner. --verbose gibt
                                     jeden gemessenen Wert aus, bestanden oder nicht
       tavrin-plus photo FILE        das Foto hinter dem Streifen setzen, so gerahmt, dass es
                                     den Bildschirm füllt, wie der Rahmen-Editor es zuerst zeigt
       tavrin-plus photo --remove    das Foto entfernen: die Hintergrundfarbe ist zu sehen
       tavrin-plus send [--device ID] [--timeout S] [--bind ADDRESS]
                                     das Hintergrundbild für einen Download im lokalen Netz
                                     anbieten: gibt seine Adresse als QR-Code für die Kamera
                                     des Telefons aus; endet nach dem Download, oder mit 1
                                     nach S Sekunden (120, wenn nicht angegeben)
       tavrin-plus set-lockscreen [--device ID]
                                     das Hintergrundbild ins Fotoalbum sichern und als Bild
                                     des Sperrbildschirms dieses Desktops festlegen: über das
                                     Desktop-Portal, sonst die Einstellungen von KDE Plasma
                                     oder GNOME; endet mit 1 und dem Grund, wenn der Desktop
                                     es nicht übernehmen kann
       tavrin-plus --help | --version
</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) meets %4 (%5) against %6</source>
        <translation>%1: Kontrast %2 (%3) erreicht %4 (%5) vor %6</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) is below %4 (%5) against %6</source>
        <translation>%1: Kontrast %2 (%3) liegt unter %4 (%5) vor %6</translation>
    </message>
    <message>
        <source>the scan code: %1 modules a side, each %2 mm (%3 pixels)</source>
        <translation>der Scan-Code: %1 Module je Seite, jedes %2 mm (%3 Pixel)</translation>
    </message>
</context>
<context>
    <name>CommandSession</name>
    <message>
        <source>the capture mode did not reach the wallpaper alone</source>
        <translation>der Aufnahmemodus hat das Hintergrundbild allein nicht erreicht</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>there is no screen &apos;%1&apos;; &apos;tavrin-plus devices&apos; lists them, or give WIDTHxHEIGHT@SCALE in points</source>
        <translation>es gibt keinen Bildschirm &apos;%1&apos;; &apos;tavrin-plus devices&apos; listet sie auf, oder WIDTHxHEIGHT@SCALE in Punkten angeben</translation>
    </message>
    <message>
        <source>note: device holds &apos;%1&apos;, no screen known; the classic one is used</source>
        <translation>Hinweis: device enthält &apos;%1&apos;, keinen bekannten Bildschirm; der klassische wird verwendet</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>„TAVRIN:“</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>die Nummer</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>die Informationszeile</translation>
    </message>
    <message>
        <source>the strip</source>
        <translation>dem Streifen</translation>
    </message>
    <message>
        <source>the photograph</source>
        <translation>dem Foto</translation>
    </message>
    <message>
        <source>the strip over the photograph</source>
        <translation>dem Streifen über dem Foto</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>dem Hintergrund</translation>
    </message>
    <message>
        <source>the strip over the background</source>
        <translation>dem Streifen über dem Hintergrund</translation>
    </message>
</context>
<context>
    <name>DesktopLockScreen</name>
    <message>
        <source>no desktop portal is running</source>
        <translation>kein Desktop-Portal läuft</translation>
    </message>
    <message>
        <source>Set as the lock screen picture</source>
        <translation>Als Sperrbildschirm-Bild festgelegt</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the desktop portal did not take it</source>
        <translation>das Desktop-Portal hat es nicht übernommen</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>das Desktop-Portal hat es abgelehnt</translation>
    </message>
    <message>
        <source>the desktop portal did not answer</source>
        <translation>das Desktop-Portal hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Set as KDE Plasma&apos;s lock screen picture</source>
        <translation>Als Sperrbildschirm-Bild von KDE Plasma festgelegt</translation>
    </message>
    <message>
        <source>Set as GNOME&apos;s screen-saver picture. GNOME&apos;s lock screen shows the desktop picture, blurred: set it as the desktop picture too to see it there</source>
        <translation>Als Bildschirmschoner-Bild von GNOME festgelegt. Der Sperrbildschirm von GNOME zeigt das Hintergrundbild des Desktops, unscharf: Lege es auch als Desktop-Hintergrund fest, um es dort zu sehen</translation>
    </message>
    <message>
        <source>%1, and no KDE Plasma or GNOME settings tool to fall back on</source>
        <translation>%1, und kein Einstellungswerkzeug von KDE Plasma oder GNOME als Ausweichmöglichkeit</translation>
    </message>
    <message>
        <source>%1; %2 failed</source>
        <translation>%1; %2 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1; %2 failed: %3</source>
        <translation>%1; %2 ist fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>%1; %2 could not be started</source>
        <translation>%1; %2 konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>DialogChrome</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Zurück</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ablegen</translation>
    </message>
    <message>
        <source>Save Wallpaper</source>
        <translation>Hintergrundbild sichern</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>FlipsideView</name>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
</context>
<context>
    <name>FlipsideViewController</name>
    <message>
        <source>An error occurred:</source>
        <translation>Ein Fehler ist aufgetreten:</translation>
    </message>
</context>
<context>
    <name>ImagePickerController</name>
    <message>
        <source>Starting the camera…</source>
        <translation>Kamera wird gestartet …</translation>
    </message>
    <message>
        <source>Choose a photograph in the file window.</source>
        <translation>Wähle ein Foto im Dateifenster.</translation>
    </message>
    <message>
        <source>Move and Scale</source>
        <translation>Bewegen und skalieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>There is no camera.</source>
        <translation>Es gibt keine Kamera.</translation>
    </message>
</context>
<context>
    <name>LockScreenCommand</name>
    <message>
        <source>set-lockscreen takes [--device ID], not &apos;%1&apos;</source>
        <translation>set-lockscreen nimmt [--device ID], nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>not set as the lock screen picture: %1; the picture is %2</source>
        <translation>nicht als Sperrbildschirm-Bild festgelegt: %1; das Bild ist %2</translation>
    </message>
</context>
<context>
    <name>LockScreenGuide</name>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>dddd, MMMM d</source>
        <extracomment>The classic lock screen&apos;s date: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd, d. MMMM</translation>
    </message>
    <message>
        <source>slide to unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>The lock screen&apos;s date over or under its clock: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd, d. MMMM</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Are you the owner of this phone?</source>
        <translation>Gehört dir dieses Telefon?</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Dentist at 10:00</source>
        <translation>Zahnarzt um 10:00</translation>
    </message>
    <message>
        <source>Press home to open</source>
        <translation>Home drücken zum Öffnen</translation>
    </message>
    <message>
        <source>Swipe up to unlock</source>
        <translation>Zum Entsperren nach oben wischen</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Sperrbildschirm</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Save Your Wallpaper</source>
        <translation>Hintergrundbild sichern</translation>
    </message>
    <message>
        <source>1.  Tap Continue. The wallpaper is shown alone on the screen.</source>
        <translation>1.  „Weiter“ zeigt das Hintergrundbild allein.</translation>
    </message>
    <message>
        <source>2.  The screen is captured into your photo album, %1.</source>
        <translation>2.  Das Bild kommt in dein Fotoalbum, %1.</translation>
    </message>
    <message>
        <source>3.  Tap anywhere to come back.</source>
        <translation>3.  Tippe irgendwo, um zurückzukehren.</translation>
    </message>
    <message>
        <source>4.  Set the captured picture as your lock screen picture.</source>
        <translation>4.  Lege es als Sperrbildschirm fest.</translation>
    </message>
    <message>
        <source>Set as Lock Screen</source>
        <translation>Als Sperrbildschirm</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>An Telefon senden</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>On %1:</source>
        <translation>Auf %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>this screen cannot draw it</source>
        <translation>dieser Bildschirm kann es nicht zeichnen</translation>
    </message>
</context>
<context>
    <name>NewStyleDialog</name>
    <message>
        <source>Strip</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Save Style As</source>
        <translation>Stil sichern als</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Neuer Stil</translation>
    </message>
</context>
<context>
    <name>PalettePanel</name>
    <message>
        <source>Previous palette</source>
        <translation>Vorherige Palette</translation>
    </message>
    <message>
        <source>Next palette</source>
        <translation>Nächste Palette</translation>
    </message>
</context>
<context>
    <name>PeoplePicker</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>No contacts yet.

Import a .vcf file exported from your address book or mail program.</source>
        <translation>Noch keine Kontakte.

Importiere eine .vcf-Datei, exportiert aus deinem Adressbuch oder E-Mail-Programm.</translation>
    </message>
    <message>
        <source>‹ Contacts</source>
        <translation>‹ Kontakte</translation>
    </message>
</context>
<context>
    <name>PeoplePickerNavigationController</name>
    <message>
        <source>This build cannot open files.</source>
        <translation>Diese Version kann keine Dateien öffnen.</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a contacts file.</source>
        <translation>„%1“ ist zu groß für eine Kontaktdatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>„%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No contacts were found in &quot;%1&quot;.</source>
        <translation>In „%1“ wurden keine Kontakte gefunden.</translation>
    </message>
    <message>
        <source>The contacts are shown, but could not be kept for next time: %1</source>
        <translation>Die Kontakte werden gezeigt, konnten aber nicht für das nächste Mal gesichert werden: %1</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
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
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Search, or 390x844@3</source>
        <translation>Suchen oder 390x844@3</translation>
    </message>
    <message>
        <source>Sample Notifications</source>
        <translation>Beispielmitteilungen</translation>
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
        <translation>Kein Foto</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Photo Library</source>
        <translation>Fotomediathek</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Foto entfernen</translation>
    </message>
</context>
<context>
    <name>RootViewController</name>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>SaveStyleAsDialog</name>
    <message>
        <source>Save Style As</source>
        <translation>Stil sichern als</translation>
    </message>
    <message>
        <source>Style name</source>
        <translation>Name des Stils</translation>
    </message>
    <message>
        <source>Name of the new style</source>
        <translation>Name des neuen Stils</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save Style</source>
        <translation>Stil sichern</translation>
    </message>
</context>
<context>
    <name>Screen</name>
    <message>
        <source>under the status bar</source>
        <translation>unter der Statusleiste</translation>
    </message>
    <message>
        <source>under the camera cut-out</source>
        <translation>unter der Kameraaussparung</translation>
    </message>
    <message>
        <source>under the clock</source>
        <translation>unter der Uhr</translation>
    </message>
    <message>
        <source>under the widgets</source>
        <translation>unter den Widgets</translation>
    </message>
    <message>
        <source>under the notifications</source>
        <translation>unter den Mitteilungen</translation>
    </message>
    <message>
        <source>under the shortcut buttons</source>
        <translation>unter den Schnelltasten</translation>
    </message>
    <message>
        <source>under the home indicator</source>
        <translation>unter dem Home-Indikator</translation>
    </message>
    <message>
        <source>under the unlock controls</source>
        <translation>unter den Entsperrelementen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene Größe</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <translation>Eigene Größe %1</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>--timeout is a whole number of seconds from 1 to 3600</source>
        <translation>--timeout ist eine ganze Zahl von Sekunden von 1 bis 3600</translation>
    </message>
    <message>
        <source>--bind is an IP address, not &apos;%1&apos;</source>
        <translation>--bind ist eine IP-Adresse, nicht „%1“</translation>
    </message>
    <message>
        <source>--bind is this computer&apos;s address on the network, not %1</source>
        <translation>--bind ist die Adresse dieses Computers im Netzwerk, nicht %1</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>das Bild kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>send takes [--device ID] [--timeout S] [--bind ADDRESS], not &apos;%1&apos;</source>
        <translation>send nimmt [--device ID] [--timeout S] [--bind ADDRESS], nicht „%1“</translation>
    </message>
    <message>
        <source>Scan the code with your phone&apos;s camera; the phone must be on the same network as this computer.</source>
        <translation>Scannen Sie den Code mit der Kamera Ihres Telefons; das Telefon muss im selben Netzwerk sein wie dieser Computer.</translation>
    </message>
    <message>
        <source>nobody downloaded it in %1 s</source>
        <translation>niemand hat es in %1 s heruntergeladen</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
</context>
<context>
    <name>SendToPhonePanel</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>An Telefon senden</translation>
    </message>
    <message>
        <source>The picture cannot be sent: %1.</source>
        <translation>Das Bild kann nicht gesendet werden: %1.</translation>
    </message>
    <message>
        <source>this computer cannot send it</source>
        <translation>dieser Computer kann es nicht senden</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Your phone has the wallpaper. Save it to your photos and set it as your lock screen picture.</source>
        <translation>Dein Telefon hat das Hintergrundbild. Sichere es in deinen Fotos und lege es als Sperrbildschirm-Bild fest.</translation>
    </message>
    <message>
        <source>The address has expired.</source>
        <translation>Die Adresse ist abgelaufen.</translation>
    </message>
    <message>
        <source>Scan with your phone&apos;s camera. Your phone must be on the same network as this computer.</source>
        <translation>Mit der Kamera des Telefons scannen. Das Telefon muss im selben Netzwerk sein wie dieser Computer.</translation>
    </message>
    <message>
        <source>Expires in %1</source>
        <translation>Läuft ab in %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Couldn&apos;t save your settings: %1</source>
        <translation>Deine Einstellungen konnten nicht gesichert werden: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your settings: %1; changes are not saved</source>
        <translation>Deine Einstellungen konnten nicht gelesen werden: %1; Änderungen werden nicht gesichert</translation>
    </message>
    <message>
        <source>another program holds them</source>
        <translation>ein anderes Programm hält sie</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialog</name>
    <message>
        <source>LETTERING</source>
        <translation>SCHRIFT</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>CONTRAST</source>
        <translation>KONTRAST</translation>
    </message>
    <message>
        <source>STRIP LAYOUT</source>
        <translation>STREIFEN-LAYOUT</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Classic: one strip across the middle. Split: contact above, information below. None: the background alone, no strip and no lettering.</source>
        <translation>Klassisch: ein Streifen quer durch die Mitte. Geteilt: Kontakt oben, Information unten. Keins: nur der Hintergrund, ohne Streifen und Schrift.</translation>
    </message>
    <message>
        <source>STRIP OPACITY</source>
        <translation>STREIFEN-DECKKRAFT</translation>
    </message>
    <message>
        <source>Drag to see the strip fade; the opacity is kept when you let go.</source>
        <translation>Ziehen lässt den Streifen verblassen; beim Loslassen bleibt die Deckkraft.</translation>
    </message>
    <message>
        <source>Strip Options</source>
        <translation>Streifenoptionen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Less opaque</source>
        <translation>Weniger Deckkraft</translation>
    </message>
    <message>
        <source>More opaque</source>
        <translation>Mehr Deckkraft</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialogViewController</name>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 nehmen</translation>
    </message>
    <message>
        <source>Opacity %1</source>
        <translation>Deckkraft %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>no lettering</source>
        <translation>keine Schrift</translation>
    </message>
</context>
<context>
    <name>StyleLibraryDialog</name>
    <message>
        <source>Style Library</source>
        <translation>Stilsammlung</translation>
    </message>
</context>
<context>
    <name>SwatchPalette</name>
    <message>
        <source>spectrum</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>earth tones</source>
        <translation>Erdtöne</translation>
    </message>
    <message>
        <source>earth tones dark</source>
        <translation>Erdtöne dunkel</translation>
    </message>
    <message>
        <source>earth tones light</source>
        <translation>Erdtöne hell</translation>
    </message>
    <message>
        <source>grays</source>
        <translation>Grautöne</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>standard dark</source>
        <translation>Standard dunkel</translation>
    </message>
    <message>
        <source>standard light</source>
        <translation>Standard hell</translation>
    </message>
</context>
<context>
    <name>ThemeCell</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>ThemeCellViewController</name>
    <message>
        <source>Delete Style</source>
        <translation>Stil löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete theme %1 ?</source>
        <translation>Möchtest du den Stil %1 wirklich löschen?</translation>
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
        <translation>privat</translation>
    </message>
    <message>
        <source>work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>other</source>
        <translation>andere</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>main</source>
        <translation>Hauptnummer</translation>
    </message>
    <message>
        <source>car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>callback</source>
        <translation>Rückruf</translation>
    </message>
    <message>
        <source>textphone</source>
        <translation>Texttelefon</translation>
    </message>
    <message>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>Geburtstag</translation>
    </message>
</context>
<context>
    <name>ViewAccessibility</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
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
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>Colour spectrum</source>
        <translation>Farbspektrum</translation>
    </message>
    <message>
        <source>Colour spectrum, %1</source>
        <translation>Farbspektrum, %1</translation>
    </message>
</context>
<context>
    <name>WallpaperCode</name>
    <message>
        <source>Scan to call</source>
        <translation>Scannen zum Anrufen</translation>
    </message>
    <message>
        <source>no code to call: the contact text holds no number to dial</source>
        <translation>kein Anruf-Code: Der Kontakttext enthält keine wählbare Nummer</translation>
    </message>
    <message>
        <source>Scan me</source>
        <translation>Scanne mich</translation>
    </message>
    <message>
        <source>no code: its address must start with https://</source>
        <translation>kein Code: Seine Adresse muss mit https:// beginnen</translation>
    </message>
    <message>
        <source>the scan code does not fit below the strips (fewer strips or a shorter address leave room)</source>
        <translation>der Scan-Code passt nicht unter die Streifen (weniger Streifen oder eine kürzere Adresse schaffen Platz)</translation>
    </message>
</context>
<context>
    <name>WallpaperLayout</name>
    <message>
        <source>the strip</source>
        <translation>der Streifen</translation>
    </message>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>„TAVRIN:“</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>die Nummer</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>die Informationszeile</translation>
    </message>
    <message>
        <source>the upper strip</source>
        <translation>der obere Streifen</translation>
    </message>
    <message>
        <source>the lower strip</source>
        <translation>der untere Streifen</translation>
    </message>
    <message>
        <source>%1 reaches beyond the screen&apos;s edge</source>
        <translation>%1 reicht über den Bildschirmrand hinaus</translation>
    </message>
    <message>
        <source>%1 lies %2 (points %3 to %4 from the top)</source>
        <translation>%1 liegt %2 (Punkte %3 bis %4 von oben)</translation>
    </message>
</context>
<context>
    <name>WebView</name>
    <message>
        <source>This device has no network access.</source>
        <translation>Dieses Gerät hat keinen Netzwerkzugang.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen …</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>unknown or malformed argument &apos;%1&apos;</source>
        <translation>unbekanntes oder fehlerhaftes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); try &apos;tavrin-plus export&apos; or &apos;xvfb-run tavrin-plus&apos;</source>
        <translation>kein Bildschirm, auf dem sich das Fenster öffnen ließe (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); versuche &apos;tavrin-plus export&apos; oder &apos;xvfb-run tavrin-plus&apos;</translation>
    </message>
</context>
</TS>
