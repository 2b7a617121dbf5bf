<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>não é possível codificar a imagem</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation>nenhum nome livre em %1</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it reads &apos;%2&apos;): nothing was saved</source>
        <translation>o código na imagem não é lido como &apos;%1&apos; (é lido como &apos;%2&apos;): nada foi salvo</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it cannot be read): nothing was saved</source>
        <translation>o código na imagem não é lido como &apos;%1&apos; (não pode ser lido): nada foi salvo</translation>
    </message>
</context>
<context>
    <name>BGOptionsDialog</name>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>TOUCH A COLOUR</source>
        <translation>TOQUE EM UMA COR</translation>
    </message>
</context>
<context>
    <name>CaptureMode</name>
    <message>
        <source>Setting %1 as the lock screen picture…</source>
        <translation>Definindo %1 como imagem da tela de bloqueio…</translation>
    </message>
    <message>
        <source>Lock screen not set: %1</source>
        <translation>Tela de bloqueio não definida: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvo</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Não salvo: %1</translation>
    </message>
</context>
<context>
    <name>CaptureNotice</name>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialog</name>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Contact, shown after TAVRIN:</source>
        <translation>Contato, exibido após TAVRIN:</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de telefone</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatos</translation>
    </message>
    <message>
        <source>Other information</source>
        <translation>Outras informações</translation>
    </message>
    <message>
        <source>Reward, e-mail address, note</source>
        <translation>Recompensa, e-mail, observação</translation>
    </message>
    <message>
        <source>Scan code below the strips</source>
        <translation>Código abaixo das faixas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>https:// address for Address</source>
        <translation>Endereço https:// para “Endereço”</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialogViewController</name>
    <message>
        <source>No number: whoever finds the phone cannot call you. </source>
        <translation>Sem número: quem achar o celular não poderá ligar para você. </translation>
    </message>
    <message>
        <source>The number is too long: the wallpaper shortens it. </source>
        <translation>O número é longo demais: o papel de parede o encurta. </translation>
    </message>
    <message>
        <source>The information is too long: the wallpaper shortens it. </source>
        <translation>A informação é longa demais: o papel de parede a encurta. </translation>
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
        <translation>Novo estilo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Current style</source>
        <translation>Estilo atual</translation>
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
        <translation>%1 contém %2, não uma cor; o padrão é usado</translation>
    </message>
    <message>
        <source>%1 holds %2, not classic, split or none; no strip is shown</source>
        <translation>%1 contém %2, não classic, split ou none; nenhuma faixa é exibida</translation>
    </message>
    <message>
        <source>%1 holds %2, not none, tel or url; no scan code is shown</source>
        <translation>%1 contém %2, não none, tel ou url; nenhum código é exibido</translation>
    </message>
    <message>
        <source>%1 holds %2, not a list of styles; none are offered</source>
        <translation>%1 contém %2, não uma lista de estilos; nenhum é oferecido</translation>
    </message>
    <message>
        <source>%1 holds %2, not text; it reads as empty</source>
        <translation>%1 contém %2, não texto; é lido como vazio</translation>
    </message>
    <message>
        <source>get takes one KEY or --json</source>
        <translation>get aceita uma KEY ou --json</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>observação: %1</translation>
    </message>
    <message>
        <source>no setting named &apos;%1&apos;</source>
        <translation>nenhuma configuração chamada &apos;%1&apos;</translation>
    </message>
    <message>
        <source>set takes KEY and VALUE</source>
        <translation>set aceita KEY e VALUE</translation>
    </message>
    <message>
        <source>strip_layout is classic, split or none</source>
        <translation>strip_layout é classic, split ou none</translation>
    </message>
    <message>
        <source>device is a screen that &apos;tavrin-plus devices&apos; lists, or WIDTHxHEIGHT@SCALE in points, for example 390x844@3</source>
        <translation>device é uma tela listada por &apos;tavrin-plus devices&apos;, ou WIDTHxHEIGHT@SCALE em pontos, por exemplo 390x844@3</translation>
    </message>
    <message>
        <source>qr_code is none, tel or url</source>
        <translation>qr_code é none, tel ou url</translation>
    </message>
    <message>
        <source>qr_url is an https address, for example https://example.com/found</source>
        <translation>qr_url é um endereço https, por exemplo https://example.com/found</translation>
    </message>
    <message>
        <source>a colour is written 0xRRGGBBAA, for example 0x1B1C1CFF</source>
        <translation>uma cor é escrita 0xRRGGBBAA, por exemplo 0x1B1C1CFF</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be set; settable are phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code and qr_url</source>
        <translation>&apos;%1&apos; não pode ser definido; podem ser definidos phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code e qr_url</translation>
    </message>
    <message>
        <source>--scale is a whole number from 1 to 4</source>
        <translation>--scale é um número inteiro de 1 a 4</translation>
    </message>
    <message>
        <source>export takes [-o FILE] [--device ID] [--scale N], not &apos;%1&apos;</source>
        <translation>export aceita [-o FILE] [--device ID] [--scale N], não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the output file ends in .png, .jpg or .jpeg</source>
        <translation>o arquivo de saída termina em .png, .jpg ou .jpeg</translation>
    </message>
    <message>
        <source>--scale is for the classic screen; %1&apos;s picture is made at its own pixels</source>
        <translation>--scale é para a tela clássica; a imagem de %1 é feita nos próprios pixels</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>não é possível codificar a imagem</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>photo takes FILE or --remove</source>
        <translation>photo aceita FILE ou --remove</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read</source>
        <translation>%1 não é uma imagem legível</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: arquivo não encontrado</translation>
    </message>
    <message>
        <source>%1 takes one NAME (quote a name with spaces)</source>
        <translation>%1 aceita um NAME (use aspas em um nome com espaços)</translation>
    </message>
    <message>
        <source>styles takes no arguments</source>
        <translation>styles não aceita argumentos</translation>
    </message>
    <message>
        <source>there is no style named &apos;%1&apos;; &apos;tavrin-plus styles&apos; lists them</source>
        <translation>não há estilo chamado &apos;%1&apos;; &apos;tavrin-plus styles&apos; lista os estilos</translation>
    </message>
    <message>
        <source>a style needs a name</source>
        <translation>um estilo precisa de um nome</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a built-in style; only saved styles can be deleted</source>
        <translation>&apos;%1&apos; é um estilo embutido; só estilos salvos podem ser apagados</translation>
    </message>
    <message>
        <source>there is no saved style named &apos;%1&apos;</source>
        <translation>não há estilo salvo chamado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices não aceita argumentos</translation>
    </message>
    <message>
        <source>check takes [--device ID] [--verbose]</source>
        <translation>check aceita [--device ID] [--verbose]</translation>
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
        <translation>Uso: tavrin-plus [--zoom N]          abrir a janela (N de 1 a 4)
       tavrin-plus export [-o FILE] [--device ID] [--scale N]
                                     gravar o papel de parede em PNG ou JPEG (na pasta do
                                     álbum de fotos sem -o) nos pixels do celular, ou N vezes
                                     a tela clássica; mostra o caminho
       tavrin-plus get [KEY]         mostrar as configurações em vigor, cores como 0xRRGGBBAA;
                                     barra invertida, tabulação, nova linha e caracteres de
                                     controle escapados (\\, \t, \n, \xNN): um registro
                                     por linha
       tavrin-plus get --json        mostrar as configurações como salvas, em um objeto JSON
       tavrin-plus set KEY VALUE     definir phone_preference, other_preference, strip_layout
                                     (classic, split, none) ou uma cor: strip_color,
                                     bg_color, font_face, font_highlight; ou device: um id
                                     listado por &apos;devices&apos; ou WIDTHxHEIGHT@SCALE em pontos;
                                     ou qr_code (none, tel, url) e qr_url (https://...):
                                     um código abaixo das faixas que liga para o número ou
                                     abre o endereço
       tavrin-plus styles            listar os estilos: &apos;*&apos; no atual, o nome, as cores da
                                     faixa, do fundo, das letras e do destaque, user ou
                                     built-in
       tavrin-plus apply NAME        aplicar o primeiro estilo com esse nome
       tavrin-plus save-style NAME   salvar as cores atuais como estilo
       tavrin-plus delete-style NAME apagar os estilos salvos com esse nome
       tavrin-plus devices           listar as telas: id, nome, pixels, pixels por polegada
       tavrin-plus check [--device ID] [--verbose]
                                     mostrar cada parte do papel de parede que a tela de
                                     bloqueio cobriria e cada texto com contraste baixo demais
                                     (abaixo de 3:1 e Lc 45 para o número, 4.5:1 e Lc 60 para
                                     a linha de informações), um por linha, e sair com 1;
                                     nada e 0 se não houver nenhum. --verbose mostra cada
                                     medida, aprovada ou não
       tavrin-plus photo FILE        pôr a foto atrás da faixa, enquadrada para preencher a
                                     tela como o editor de enquadramento a mostra primeiro
       tavrin-plus photo --remove    remover a foto: aparece a cor de fundo
       tavrin-plus send [--device ID] [--timeout S] [--bind ADDRESS]
                                     oferecer o papel de parede para um download na rede
                                     local: mostra o endereço como código QR para a câmera
                                     do celular; termina após o download, ou com 1 depois de
                                     S segundos (120 se não informado)
       tavrin-plus set-lockscreen [--device ID]
                                     salvar o papel de parede no álbum de fotos e defini-lo
                                     como imagem da tela de bloqueio desta área de trabalho:
                                     pelo portal da área de trabalho, senão pelas configurações
                                     do KDE Plasma ou do GNOME; sair com 1 e o motivo se a área
                                     de trabalho não puder aceitá-lo
       tavrin-plus --help | --version
</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) meets %4 (%5) against %6</source>
        <translation>%1: contraste %2 (%3), atinge %4 (%5) contra %6</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) is below %4 (%5) against %6</source>
        <translation>%1: contraste %2 (%3), abaixo de %4 (%5) contra %6</translation>
    </message>
    <message>
        <source>the scan code: %1 modules a side, each %2 mm (%3 pixels)</source>
        <translation>o código: %1 módulos por lado, cada um com %2 mm (%3 pixels)</translation>
    </message>
</context>
<context>
    <name>CommandSession</name>
    <message>
        <source>the capture mode did not reach the wallpaper alone</source>
        <translation>o modo de captura não chegou ao papel de parede sozinho</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 não é texto UTF-8 válido</translation>
    </message>
    <message>
        <source>there is no screen &apos;%1&apos;; &apos;tavrin-plus devices&apos; lists them, or give WIDTHxHEIGHT@SCALE in points</source>
        <translation>não há tela &apos;%1&apos;; &apos;tavrin-plus devices&apos; lista as telas, ou informe WIDTHxHEIGHT@SCALE em pontos</translation>
    </message>
    <message>
        <source>note: device holds &apos;%1&apos;, no screen known; the classic one is used</source>
        <translation>observação: device contém &apos;%1&apos;, nenhuma tela conhecida; a clássica é usada</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>“TAVRIN:”</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>o número</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>a linha de informações</translation>
    </message>
    <message>
        <source>the strip</source>
        <translation>a faixa</translation>
    </message>
    <message>
        <source>the photograph</source>
        <translation>a foto</translation>
    </message>
    <message>
        <source>the strip over the photograph</source>
        <translation>a faixa sobre a foto</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>o fundo</translation>
    </message>
    <message>
        <source>the strip over the background</source>
        <translation>a faixa sobre o fundo</translation>
    </message>
</context>
<context>
    <name>DesktopLockScreen</name>
    <message>
        <source>no desktop portal is running</source>
        <translation>nenhum portal da área de trabalho está em execução</translation>
    </message>
    <message>
        <source>Set as the lock screen picture</source>
        <translation>Definida como imagem da tela de bloqueio</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the desktop portal did not take it</source>
        <translation>o portal da área de trabalho não a aceitou</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>o portal da área de trabalho a recusou</translation>
    </message>
    <message>
        <source>the desktop portal did not answer</source>
        <translation>o portal da área de trabalho não respondeu</translation>
    </message>
    <message>
        <source>Set as KDE Plasma&apos;s lock screen picture</source>
        <translation>Definida como imagem da tela de bloqueio do KDE Plasma</translation>
    </message>
    <message>
        <source>Set as GNOME&apos;s screen-saver picture. GNOME&apos;s lock screen shows the desktop picture, blurred: set it as the desktop picture too to see it there</source>
        <translation>Definida como imagem do protetor de tela do GNOME. A tela de bloqueio do GNOME mostra o fundo da área de trabalho, desfocado: defina-a também como fundo da área de trabalho para vê-la lá</translation>
    </message>
    <message>
        <source>%1, and no KDE Plasma or GNOME settings tool to fall back on</source>
        <translation>%1, e nenhuma ferramenta de configurações do KDE Plasma ou do GNOME como alternativa</translation>
    </message>
    <message>
        <source>%1; %2 failed</source>
        <translation>%1; %2 falhou</translation>
    </message>
    <message>
        <source>%1; %2 failed: %3</source>
        <translation>%1; %2 falhou: %3</translation>
    </message>
    <message>
        <source>%1; %2 could not be started</source>
        <translation>%1; não foi possível iniciar %2</translation>
    </message>
</context>
<context>
    <name>DialogChrome</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Voltar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Save Wallpaper</source>
        <translation>Salvar papel de parede</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>FlipsideView</name>
    <message>
        <source>Web page</source>
        <translation>Página da web</translation>
    </message>
</context>
<context>
    <name>FlipsideViewController</name>
    <message>
        <source>An error occurred:</source>
        <translation>Ocorreu um erro:</translation>
    </message>
</context>
<context>
    <name>ImagePickerController</name>
    <message>
        <source>Starting the camera…</source>
        <translation>Iniciando a câmera…</translation>
    </message>
    <message>
        <source>Choose a photograph in the file window.</source>
        <translation>Escolha uma foto na janela de arquivos.</translation>
    </message>
    <message>
        <source>Move and Scale</source>
        <translation>Mover e redimensionar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>There is no camera.</source>
        <translation>Não há câmera.</translation>
    </message>
</context>
<context>
    <name>LockScreenCommand</name>
    <message>
        <source>set-lockscreen takes [--device ID], not &apos;%1&apos;</source>
        <translation>set-lockscreen aceita [--device ID], não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>not set as the lock screen picture: %1; the picture is %2</source>
        <translation>não definida como imagem da tela de bloqueio: %1; a imagem é %2</translation>
    </message>
</context>
<context>
    <name>LockScreenGuide</name>
    <message>
        <source>now</source>
        <translation>agora</translation>
    </message>
    <message>
        <source>dddd, MMMM d</source>
        <extracomment>The classic lock screen&apos;s date: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>slide to unlock</source>
        <translation>deslize para abrir</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Operadora</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>The lock screen&apos;s date over or under its clock: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Are you the owner of this phone?</source>
        <translation>Você é o dono deste celular?</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Dentist at 10:00</source>
        <translation>Dentista às 10:00</translation>
    </message>
    <message>
        <source>Press home to open</source>
        <translation>Pressione Início para abrir</translation>
    </message>
    <message>
        <source>Swipe up to unlock</source>
        <translation>Deslize para cima para desbloquear</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
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
        <translation>Celular</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Bloqueio</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Save Your Wallpaper</source>
        <translation>Salvar papel de parede</translation>
    </message>
    <message>
        <source>1.  Tap Continue. The wallpaper is shown alone on the screen.</source>
        <translation>1.  “Continuar” mostra só o papel de parede.</translation>
    </message>
    <message>
        <source>2.  The screen is captured into your photo album, %1.</source>
        <translation>2.  A tela é salva no seu álbum, %1.</translation>
    </message>
    <message>
        <source>3.  Tap anywhere to come back.</source>
        <translation>3.  Toque em qualquer lugar para voltar.</translation>
    </message>
    <message>
        <source>4.  Set the captured picture as your lock screen picture.</source>
        <translation>4.  Use-a na tela de bloqueio.</translation>
    </message>
    <message>
        <source>Set as Lock Screen</source>
        <translation>Usar na tela de bloqueio</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>Enviar ao celular</translation>
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
        <translation>Menu</translation>
    </message>
    <message>
        <source>On %1:</source>
        <translation>No %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>this screen cannot draw it</source>
        <translation>esta tela não consegue desenhá-lo</translation>
    </message>
</context>
<context>
    <name>NewStyleDialog</name>
    <message>
        <source>Strip</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Save Style As</source>
        <translation>Salvar estilo como</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Novo estilo</translation>
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
        <translation>Próxima paleta</translation>
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
        <translation>Contatos</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>No contacts yet.

Import a .vcf file exported from your address book or mail program.</source>
        <translation>Nenhum contato ainda.

Importe um arquivo .vcf exportado da sua agenda ou do seu programa de e-mail.</translation>
    </message>
    <message>
        <source>‹ Contacts</source>
        <translation>‹ Contatos</translation>
    </message>
</context>
<context>
    <name>PeoplePickerNavigationController</name>
    <message>
        <source>This build cannot open files.</source>
        <translation>Esta versão não consegue abrir arquivos.</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contatos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a contacts file.</source>
        <translation>“%1” é grande demais para ser um arquivo de contatos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Não foi possível ler “%1”.</translation>
    </message>
    <message>
        <source>No contacts were found in &quot;%1&quot;.</source>
        <translation>Nenhum contato foi encontrado em “%1”.</translation>
    </message>
    <message>
        <source>The contacts are shown, but could not be kept for next time: %1</source>
        <translation>Os contatos são exibidos, mas não puderam ser guardados para a próxima vez: %1</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Falha na importação</translation>
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
        <translation>Celular</translation>
    </message>
    <message>
        <source>Search, or 390x844@3</source>
        <translation>Buscar, ou 390x844@3</translation>
    </message>
    <message>
        <source>Sample Notifications</source>
        <translation>Notificações de exemplo</translation>
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
        <translation>Sem foto</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Photo Library</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Remover foto</translation>
    </message>
</context>
<context>
    <name>RootViewController</name>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
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
        <translation>Salvar estilo como</translation>
    </message>
    <message>
        <source>Style name</source>
        <translation>Nome do estilo</translation>
    </message>
    <message>
        <source>Name of the new style</source>
        <translation>Nome do novo estilo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Style</source>
        <translation>Salvar estilo</translation>
    </message>
</context>
<context>
    <name>Screen</name>
    <message>
        <source>under the status bar</source>
        <translation>sob a barra de status</translation>
    </message>
    <message>
        <source>under the camera cut-out</source>
        <translation>sob o recorte da câmera</translation>
    </message>
    <message>
        <source>under the clock</source>
        <translation>sob o relógio</translation>
    </message>
    <message>
        <source>under the widgets</source>
        <translation>sob os widgets</translation>
    </message>
    <message>
        <source>under the notifications</source>
        <translation>sob as notificações</translation>
    </message>
    <message>
        <source>under the shortcut buttons</source>
        <translation>sob os botões de atalho</translation>
    </message>
    <message>
        <source>under the home indicator</source>
        <translation>sob o indicador de início</translation>
    </message>
    <message>
        <source>under the unlock controls</source>
        <translation>sob os controles de desbloqueio</translation>
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
        <translation>--timeout é um número inteiro de segundos de 1 a 3600</translation>
    </message>
    <message>
        <source>--bind is an IP address, not &apos;%1&apos;</source>
        <translation>--bind é um endereço IP, não “%1”</translation>
    </message>
    <message>
        <source>--bind is this computer&apos;s address on the network, not %1</source>
        <translation>--bind é o endereço deste computador na rede, não %1</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>não é possível codificar a imagem</translation>
    </message>
    <message>
        <source>send takes [--device ID] [--timeout S] [--bind ADDRESS], not &apos;%1&apos;</source>
        <translation>send aceita [--device ID] [--timeout S] [--bind ADDRESS], não “%1”</translation>
    </message>
    <message>
        <source>Scan the code with your phone&apos;s camera; the phone must be on the same network as this computer.</source>
        <translation>Escaneie o código com a câmera do celular; o celular precisa estar na mesma rede que este computador.</translation>
    </message>
    <message>
        <source>nobody downloaded it in %1 s</source>
        <translation>ninguém baixou em %1 s</translation>
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
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>Enviar ao celular</translation>
    </message>
    <message>
        <source>The picture cannot be sent: %1.</source>
        <translation>Não é possível enviar a imagem: %1.</translation>
    </message>
    <message>
        <source>this computer cannot send it</source>
        <translation>este computador não consegue enviá-la</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Your phone has the wallpaper. Save it to your photos and set it as your lock screen picture.</source>
        <translation>Seu celular recebeu o papel de parede. Salve-o nas suas fotos e use-o como imagem da tela de bloqueio.</translation>
    </message>
    <message>
        <source>The address has expired.</source>
        <translation>O endereço expirou.</translation>
    </message>
    <message>
        <source>Scan with your phone&apos;s camera. Your phone must be on the same network as this computer.</source>
        <translation>Escaneie com a câmera do celular. O celular precisa estar na mesma rede que este computador.</translation>
    </message>
    <message>
        <source>Expires in %1</source>
        <translation>Expira em %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Couldn&apos;t save your settings: %1</source>
        <translation>Não foi possível salvar suas configurações: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your settings: %1; changes are not saved</source>
        <translation>Não foi possível ler suas configurações: %1; as alterações não são salvas</translation>
    </message>
    <message>
        <source>another program holds them</source>
        <translation>outro programa as está usando</translation>
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
        <translation>Branco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>CONTRAST</source>
        <translation>CONTRASTE</translation>
    </message>
    <message>
        <source>STRIP LAYOUT</source>
        <translation>LAYOUT DA FAIXA</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividido</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Classic: one strip across the middle. Split: contact above, information below. None: the background alone, no strip and no lettering.</source>
        <translation>Clássico: uma faixa no meio. Dividido: contato em cima, informações embaixo. Nenhum: só o fundo, sem faixa nem letras.</translation>
    </message>
    <message>
        <source>STRIP OPACITY</source>
        <translation>OPACIDADE DA FAIXA</translation>
    </message>
    <message>
        <source>Drag to see the strip fade; the opacity is kept when you let go.</source>
        <translation>Arraste para ver a faixa esmaecer; a opacidade fica ao soltar.</translation>
    </message>
    <message>
        <source>Strip Options</source>
        <translation>Opções da faixa</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Less opaque</source>
        <translation>Menos opaco</translation>
    </message>
    <message>
        <source>More opaque</source>
        <translation>Mais opaco</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialogViewController</name>
    <message>
        <source>White</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>Opacity %1</source>
        <translation>Opacidade %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>no lettering</source>
        <translation>sem letras</translation>
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
        <translation>tons terrosos</translation>
    </message>
    <message>
        <source>earth tones dark</source>
        <translation>tons terrosos escuros</translation>
    </message>
    <message>
        <source>earth tones light</source>
        <translation>tons terrosos claros</translation>
    </message>
    <message>
        <source>grays</source>
        <translation>cinzas</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>standard dark</source>
        <translation>padrão escuro</translation>
    </message>
    <message>
        <source>standard light</source>
        <translation>padrão claro</translation>
    </message>
</context>
<context>
    <name>ThemeCell</name>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
</context>
<context>
    <name>ThemeCellViewController</name>
    <message>
        <source>Delete Style</source>
        <translation>Apagar estilo</translation>
    </message>
    <message>
        <source>Are you sure you want to delete theme %1 ?</source>
        <translation>Tem certeza de que deseja apagar o estilo %1?</translation>
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
        <translation>residencial</translation>
    </message>
    <message>
        <source>work</source>
        <translation>trabalho</translation>
    </message>
    <message>
        <source>other</source>
        <translation>outro</translation>
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
        <translation>pager</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>celular</translation>
    </message>
    <message>
        <source>main</source>
        <translation>principal</translation>
    </message>
    <message>
        <source>car</source>
        <translation>carro</translation>
    </message>
    <message>
        <source>callback</source>
        <translation>retorno</translation>
    </message>
    <message>
        <source>textphone</source>
        <translation>telefone de texto</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefone</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>empresa</translation>
    </message>
    <message>
        <source>email</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>address</source>
        <translation>endereço</translation>
    </message>
    <message>
        <source>website</source>
        <translation>site</translation>
    </message>
    <message>
        <source>title</source>
        <translation>cargo</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>apelido</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>aniversário</translation>
    </message>
</context>
<context>
    <name>ViewAccessibility</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Cinza-escuro</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Cinza-claro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Vermelho-escuro</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Verde-claro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Verde-escuro</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde-azulado</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Azul-claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
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
        <translation>Bege</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>Paleta de cores</translation>
    </message>
    <message>
        <source>Colour spectrum</source>
        <translation>Espectro de cores</translation>
    </message>
    <message>
        <source>Colour spectrum, %1</source>
        <translation>Espectro de cores, %1</translation>
    </message>
</context>
<context>
    <name>WallpaperCode</name>
    <message>
        <source>Scan to call</source>
        <translation>Escaneie para ligar</translation>
    </message>
    <message>
        <source>no code to call: the contact text holds no number to dial</source>
        <translation>sem código para ligar: o texto do contato não tem número para discar</translation>
    </message>
    <message>
        <source>Scan me</source>
        <translation>Escaneie</translation>
    </message>
    <message>
        <source>no code: its address must start with https://</source>
        <translation>sem código: o endereço deve começar com https://</translation>
    </message>
    <message>
        <source>the scan code does not fit below the strips (fewer strips or a shorter address leave room)</source>
        <translation>o código não cabe abaixo das faixas (menos faixas ou um endereço mais curto abrem espaço)</translation>
    </message>
</context>
<context>
    <name>WallpaperLayout</name>
    <message>
        <source>the strip</source>
        <translation>a faixa</translation>
    </message>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>“TAVRIN:”</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>o número</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>a linha de informações</translation>
    </message>
    <message>
        <source>the upper strip</source>
        <translation>a faixa de cima</translation>
    </message>
    <message>
        <source>the lower strip</source>
        <translation>a faixa de baixo</translation>
    </message>
    <message>
        <source>%1 reaches beyond the screen&apos;s edge</source>
        <translation>%1 passa da borda da tela</translation>
    </message>
    <message>
        <source>%1 lies %2 (points %3 to %4 from the top)</source>
        <translation>%1 fica %2 (pontos %3 a %4 a partir do topo)</translation>
    </message>
</context>
<context>
    <name>WebView</name>
    <message>
        <source>This device has no network access.</source>
        <translation>Este aparelho não tem acesso à rede.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>unknown or malformed argument &apos;%1&apos;</source>
        <translation>argumento desconhecido ou malformado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); try &apos;tavrin-plus export&apos; or &apos;xvfb-run tavrin-plus&apos;</source>
        <translation>nenhuma tela onde abrir a janela (nem DISPLAY nem WAYLAND_DISPLAY está definido); tente &apos;tavrin-plus export&apos; ou &apos;xvfb-run tavrin-plus&apos;</translation>
    </message>
</context>
</TS>
