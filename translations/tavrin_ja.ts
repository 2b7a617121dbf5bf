<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AlertView</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>AppRuntime</name>
    <message>
        <source>cannot encode the picture</source>
        <translation>画像をエンコードできません</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation>%1 に空いている名前がありません</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it reads &apos;%2&apos;): nothing was saved</source>
        <translation>画像のスキャンコードが &apos;%1&apos; として読み取れません（&apos;%2&apos; と読めます）。何も保存されませんでした</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it cannot be read): nothing was saved</source>
        <translation>画像のスキャンコードが &apos;%1&apos; として読み取れません（読み取れません）。何も保存されませんでした</translation>
    </message>
</context>
<context>
    <name>BGOptionsDialog</name>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>TOUCH A COLOUR</source>
        <translation>色をタッチ</translation>
    </message>
</context>
<context>
    <name>CaptureMode</name>
    <message>
        <source>Setting %1 as the lock screen picture…</source>
        <translation>%1 をロック画面の画像に設定中…</translation>
    </message>
    <message>
        <source>Lock screen not set: %1</source>
        <translation>ロック画面は設定されませんでした: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>保存されませんでした: %1</translation>
    </message>
</context>
<context>
    <name>CaptureNotice</name>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダに表示</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialog</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Contact, shown after TAVRIN:</source>
        <translation>連絡先（TAVRIN: の後に表示）</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Other information</source>
        <translation>その他の情報</translation>
    </message>
    <message>
        <source>Reward, e-mail address, note</source>
        <translation>謝礼、メールアドレス、メモ</translation>
    </message>
    <message>
        <source>Scan code below the strips</source>
        <translation>帯の下のスキャンコード</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>https:// address for Address</source>
        <translation>「アドレス」用の https:// アドレス</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialogViewController</name>
    <message>
        <source>No number: whoever finds the phone cannot call you. </source>
        <translation>番号がありません: 拾った人があなたに電話できません。</translation>
    </message>
    <message>
        <source>The number is too long: the wallpaper shortens it. </source>
        <translation>番号が長すぎます: 壁紙では短縮されます。</translation>
    </message>
    <message>
        <source>The information is too long: the wallpaper shortens it. </source>
        <translation>情報が長すぎます: 壁紙では短縮されます。</translation>
    </message>
    <message>
        <source>Scan code: %1.</source>
        <translation>スキャンコード: %1。</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialog</name>
    <message>
        <source>Style Library</source>
        <translation>スタイルライブラリ</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>新規スタイル</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Current style</source>
        <translation>現在のスタイル</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialogViewController</name>
    <message>
        <source>%1 (modified)</source>
        <translation>%1（変更あり）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 holds %2, not a colour; the default is used</source>
        <translation>%1 の値 %2 は色ではありません。既定値を使います</translation>
    </message>
    <message>
        <source>%1 holds %2, not classic, split or none; no strip is shown</source>
        <translation>%1 の値 %2 は classic、split、none のいずれでもありません。帯は表示されません</translation>
    </message>
    <message>
        <source>%1 holds %2, not none, tel or url; no scan code is shown</source>
        <translation>%1 の値 %2 は none、tel、url のいずれでもありません。スキャンコードは表示されません</translation>
    </message>
    <message>
        <source>%1 holds %2, not a list of styles; none are offered</source>
        <translation>%1 の値 %2 はスタイルのリストではありません。スタイルは提示されません</translation>
    </message>
    <message>
        <source>%1 holds %2, not text; it reads as empty</source>
        <translation>%1 の値 %2 はテキストではありません。空として扱います</translation>
    </message>
    <message>
        <source>get takes one KEY or --json</source>
        <translation>get には KEY を 1 つか --json を指定します</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注意: %1</translation>
    </message>
    <message>
        <source>no setting named &apos;%1&apos;</source>
        <translation>&apos;%1&apos; という設定はありません</translation>
    </message>
    <message>
        <source>set takes KEY and VALUE</source>
        <translation>set には KEY と VALUE を指定します</translation>
    </message>
    <message>
        <source>strip_layout is classic, split or none</source>
        <translation>strip_layout は classic、split、none のいずれかです</translation>
    </message>
    <message>
        <source>device is a screen that &apos;tavrin-plus devices&apos; lists, or WIDTHxHEIGHT@SCALE in points, for example 390x844@3</source>
        <translation>device は &apos;tavrin-plus devices&apos; が一覧表示する画面か、ポイント単位の WIDTHxHEIGHT@SCALE です（例: 390x844@3）</translation>
    </message>
    <message>
        <source>qr_code is none, tel or url</source>
        <translation>qr_code は none、tel、url のいずれかです</translation>
    </message>
    <message>
        <source>qr_url is an https address, for example https://example.com/found</source>
        <translation>qr_url は https アドレスです（例: https://example.com/found）</translation>
    </message>
    <message>
        <source>a colour is written 0xRRGGBBAA, for example 0x1B1C1CFF</source>
        <translation>色は 0xRRGGBBAA と書きます（例: 0x1B1C1CFF）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be set; settable are phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code and qr_url</source>
        <translation>&apos;%1&apos; は設定できません。設定できるのは phone_preference、other_preference、strip_layout、strip_color、bg_color、font_face、font_highlight、device、qr_code、qr_url です</translation>
    </message>
    <message>
        <source>--scale is a whole number from 1 to 4</source>
        <translation>--scale は 1 から 4 の整数です</translation>
    </message>
    <message>
        <source>export takes [-o FILE] [--device ID] [--scale N], not &apos;%1&apos;</source>
        <translation>export に指定できるのは [-o FILE] [--device ID] [--scale N] で、&apos;%1&apos; ではありません</translation>
    </message>
    <message>
        <source>the output file ends in .png, .jpg or .jpeg</source>
        <translation>出力ファイルの拡張子は .png、.jpg、.jpeg のいずれかです</translation>
    </message>
    <message>
        <source>--scale is for the classic screen; %1&apos;s picture is made at its own pixels</source>
        <translation>--scale はクラシック画面用です。%1 の画像はその画面のピクセルで作られます</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>画像をエンコードできません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>photo takes FILE or --remove</source>
        <translation>photo には FILE か --remove を指定します</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read</source>
        <translation>%1 は読み込める画像ではありません</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: ファイルがありません</translation>
    </message>
    <message>
        <source>%1 takes one NAME (quote a name with spaces)</source>
        <translation>%1 には NAME を 1 つ指定します（空白を含む名前は引用符で囲みます）</translation>
    </message>
    <message>
        <source>styles takes no arguments</source>
        <translation>styles に引数はありません</translation>
    </message>
    <message>
        <source>there is no style named &apos;%1&apos;; &apos;tavrin-plus styles&apos; lists them</source>
        <translation>&apos;%1&apos; というスタイルはありません。&apos;tavrin-plus styles&apos; で一覧を表示できます</translation>
    </message>
    <message>
        <source>a style needs a name</source>
        <translation>スタイルには名前が必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a built-in style; only saved styles can be deleted</source>
        <translation>&apos;%1&apos; は組み込みスタイルです。削除できるのは保存したスタイルだけです</translation>
    </message>
    <message>
        <source>there is no saved style named &apos;%1&apos;</source>
        <translation>&apos;%1&apos; という保存済みスタイルはありません</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices に引数はありません</translation>
    </message>
    <message>
        <source>check takes [--device ID] [--verbose]</source>
        <translation>check に指定できるのは [--device ID] [--verbose] です</translation>
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
        <translation>使い方: tavrin-plus [--zoom N]       ウインドウを開く（N は 1 から 4）
       tavrin-plus export [-o FILE] [--device ID] [--scale N]
                                     壁紙を PNG か JPEG で書き出す（-o がなければフォトアルバム
                                     のフォルダへ）。電話機のピクセル、またはクラシック画面の
                                     N 倍で。パスを表示する
       tavrin-plus get [KEY]         有効な設定を表示する。色は 0xRRGGBBAA。バックスラッシュ、
                                     タブ、改行、制御文字はエスケープ（\\, \t, \n, \xNN）。
                                     1 行に 1 件
       tavrin-plus get --json        保存されたとおりの設定を 1 つの JSON オブジェクトで表示する
       tavrin-plus set KEY VALUE     phone_preference、other_preference、strip_layout
                                     （classic、split、none）か色（strip_color、bg_color、
                                     font_face、font_highlight）、または device（&apos;devices&apos; が
                                     表示する id かポイント単位の WIDTHxHEIGHT@SCALE）、
                                     または qr_code（none、tel、url）と qr_url（https://...）:
                                     帯の下に番号へ電話するかアドレスを開くスキャンコード
                                     を設定する
       tavrin-plus styles            スタイルを一覧表示する: 現在のものに &apos;*&apos;、名前、帯・背景・
                                     文字・強調の色、user または built-in
       tavrin-plus apply NAME        その名前の最初のスタイルを適用する
       tavrin-plus save-style NAME   現在の色をスタイルとして保存する
       tavrin-plus delete-style NAME その名前の保存済みスタイルを削除する
       tavrin-plus devices           電話機の画面を一覧表示する: id、名前、ピクセル、ppi
       tavrin-plus check [--device ID] [--verbose]
                                     ロック画面が覆う壁紙の部分と、コントラストが低すぎて
                                     読めない文字（番号は 3:1 と Lc 45、情報の行は 4.5:1 と
                                     Lc 60 未満）を 1 行に 1 件表示して 1 で終了する。
                                     なければ何も表示せず 0。--verbose は合否にかかわらず
                                     すべての測定値を表示する
       tavrin-plus photo FILE        帯の後ろの写真を設定する。フレーミングエディタが最初に
                                     表示するとおり、画面いっぱいに収める
       tavrin-plus photo --remove    写真を削除する: 背景色が見える
       tavrin-plus send [--device ID] [--timeout S] [--bind ADDRESS]
                                     ローカルネットワークで壁紙を 1 回だけダウンロードできる
                                     ようにする: 電話機のカメラ用にアドレスを QR コードで
                                     表示し、ダウンロードされたら終了、S 秒後（指定がなければ
                                     120）に 1 で終了する
       tavrin-plus set-lockscreen [--device ID]
                                     壁紙をフォトアルバムに保存し、このデスクトップのロック
                                     画面の画像に設定する: デスクトップポータル経由、なければ
                                     KDE Plasma か GNOME の設定で。デスクトップが受け付け
                                     られないときは理由を表示して 1 で終了する
       tavrin-plus --help | --version
</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) meets %4 (%5) against %6</source>
        <translation>%1: コントラスト %2（%3）、%6に対して %4（%5）を満たしています</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) is below %4 (%5) against %6</source>
        <translation>%1: コントラスト %2（%3）、%6に対して %4（%5）に届きません</translation>
    </message>
    <message>
        <source>the scan code: %1 modules a side, each %2 mm (%3 pixels)</source>
        <translation>スキャンコード: 一辺 %1 モジュール、各 %2 mm（%3 ピクセル）</translation>
    </message>
</context>
<context>
    <name>CommandSession</name>
    <message>
        <source>the capture mode did not reach the wallpaper alone</source>
        <translation>キャプチャモードが壁紙だけの表示になりませんでした</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 は有効な UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>there is no screen &apos;%1&apos;; &apos;tavrin-plus devices&apos; lists them, or give WIDTHxHEIGHT@SCALE in points</source>
        <translation>&apos;%1&apos; という画面はありません。&apos;tavrin-plus devices&apos; で一覧を表示するか、ポイント単位の WIDTHxHEIGHT@SCALE を指定してください</translation>
    </message>
    <message>
        <source>note: device holds &apos;%1&apos;, no screen known; the classic one is used</source>
        <translation>注意: device の値 &apos;%1&apos; は既知の画面ではありません。クラシック画面を使います</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>「TAVRIN:」</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>情報行</translation>
    </message>
    <message>
        <source>the strip</source>
        <translation>帯</translation>
    </message>
    <message>
        <source>the photograph</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>the strip over the photograph</source>
        <translation>写真の上の帯</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>the strip over the background</source>
        <translation>背景の上の帯</translation>
    </message>
</context>
<context>
    <name>DesktopLockScreen</name>
    <message>
        <source>no desktop portal is running</source>
        <translation>デスクトップポータルが動作していません</translation>
    </message>
    <message>
        <source>Set as the lock screen picture</source>
        <translation>ロック画面の画像に設定しました</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>the desktop portal did not take it</source>
        <translation>デスクトップポータルが受け付けませんでした</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>デスクトップポータルが拒否しました</translation>
    </message>
    <message>
        <source>the desktop portal did not answer</source>
        <translation>デスクトップポータルが応答しませんでした</translation>
    </message>
    <message>
        <source>Set as KDE Plasma&apos;s lock screen picture</source>
        <translation>KDE Plasma のロック画面の画像に設定しました</translation>
    </message>
    <message>
        <source>Set as GNOME&apos;s screen-saver picture. GNOME&apos;s lock screen shows the desktop picture, blurred: set it as the desktop picture too to see it there</source>
        <translation>GNOME のスクリーンセーバーの画像に設定しました。GNOME のロック画面はデスクトップの背景をぼかして表示するので、そこで見るにはデスクトップの背景にも設定してください</translation>
    </message>
    <message>
        <source>%1, and no KDE Plasma or GNOME settings tool to fall back on</source>
        <translation>%1。代わりに使える KDE Plasma や GNOME の設定ツールもありません</translation>
    </message>
    <message>
        <source>%1; %2 failed</source>
        <translation>%1。%2 が失敗しました</translation>
    </message>
    <message>
        <source>%1; %2 failed: %3</source>
        <translation>%1。%2 が失敗しました: %3</translation>
    </message>
    <message>
        <source>%1; %2 could not be started</source>
        <translation>%1。%2 を起動できませんでした</translation>
    </message>
</context>
<context>
    <name>DialogChrome</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ 戻る</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隠す</translation>
    </message>
    <message>
        <source>Save Wallpaper</source>
        <translation>壁紙を保存</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>FlipsideView</name>
    <message>
        <source>Web page</source>
        <translation>ウェブページ</translation>
    </message>
</context>
<context>
    <name>FlipsideViewController</name>
    <message>
        <source>An error occurred:</source>
        <translation>エラーが発生しました:</translation>
    </message>
</context>
<context>
    <name>ImagePickerController</name>
    <message>
        <source>Starting the camera…</source>
        <translation>カメラを起動中…</translation>
    </message>
    <message>
        <source>Choose a photograph in the file window.</source>
        <translation>ファイルウインドウで写真を選んでください。</translation>
    </message>
    <message>
        <source>Move and Scale</source>
        <translation>移動と拡大/縮小</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>There is no camera.</source>
        <translation>カメラがありません。</translation>
    </message>
</context>
<context>
    <name>LockScreenCommand</name>
    <message>
        <source>set-lockscreen takes [--device ID], not &apos;%1&apos;</source>
        <translation>set-lockscreen に指定できるのは [--device ID] で、&apos;%1&apos; ではありません</translation>
    </message>
    <message>
        <source>not set as the lock screen picture: %1; the picture is %2</source>
        <translation>ロック画面の画像に設定されませんでした: %1。画像は %2 です</translation>
    </message>
</context>
<context>
    <name>LockScreenGuide</name>
    <message>
        <source>now</source>
        <translation>今</translation>
    </message>
    <message>
        <source>dddd, MMMM d</source>
        <extracomment>The classic lock screen&apos;s date: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>M月d日 dddd</translation>
    </message>
    <message>
        <source>slide to unlock</source>
        <translation>スライドでロック解除</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>キャリア</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>The lock screen&apos;s date over or under its clock: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>M月d日 dddd</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Are you the owner of this phone?</source>
        <translation>この電話の持ち主の方ですか？</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Dentist at 10:00</source>
        <translation>10:00 歯医者</translation>
    </message>
    <message>
        <source>Press home to open</source>
        <translation>ホームボタンを押して開く</translation>
    </message>
    <message>
        <source>Swipe up to unlock</source>
        <translation>上にスワイプでロック解除</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Webページ</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話機</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>ロック画面</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Save Your Wallpaper</source>
        <translation>壁紙を保存</translation>
    </message>
    <message>
        <source>1.  Tap Continue. The wallpaper is shown alone on the screen.</source>
        <translation>1.  「続ける」で壁紙だけを表示します。</translation>
    </message>
    <message>
        <source>2.  The screen is captured into your photo album, %1.</source>
        <translation>2.  画面がフォトアルバム %1 に保存されます。</translation>
    </message>
    <message>
        <source>3.  Tap anywhere to come back.</source>
        <translation>3.  どこかをタップすると戻ります。</translation>
    </message>
    <message>
        <source>4.  Set the captured picture as your lock screen picture.</source>
        <translation>4.  その画像をロック画面に設定します。</translation>
    </message>
    <message>
        <source>Set as Lock Screen</source>
        <translation>ロック画面に設定</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>電話機に送る</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>On %1:</source>
        <translation>%1 では:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>this screen cannot draw it</source>
        <translation>この画面では描画できません</translation>
    </message>
</context>
<context>
    <name>NewStyleDialog</name>
    <message>
        <source>Strip</source>
        <translation>帯</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Save Style As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>新規スタイル</translation>
    </message>
</context>
<context>
    <name>PalettePanel</name>
    <message>
        <source>Previous palette</source>
        <translation>前のパレット</translation>
    </message>
    <message>
        <source>Next palette</source>
        <translation>次のパレット</translation>
    </message>
</context>
<context>
    <name>PeoplePicker</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>読み込む</translation>
    </message>
    <message>
        <source>No contacts yet.

Import a .vcf file exported from your address book or mail program.</source>
        <translation>連絡先はまだありません。

アドレス帳やメールソフトから書き出した .vcf ファイルを読み込んでください。</translation>
    </message>
    <message>
        <source>‹ Contacts</source>
        <translation>‹ 連絡先</translation>
    </message>
</context>
<context>
    <name>PeoplePickerNavigationController</name>
    <message>
        <source>This build cannot open files.</source>
        <translation>このビルドではファイルを開けません。</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>連絡先を読み込む</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a contacts file.</source>
        <translation>「%1」は連絡先ファイルとしては大きすぎます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>「%1」を読み込めませんでした。</translation>
    </message>
    <message>
        <source>No contacts were found in &quot;%1&quot;.</source>
        <translation>「%1」に連絡先が見つかりませんでした。</translation>
    </message>
    <message>
        <source>The contacts are shown, but could not be kept for next time: %1</source>
        <translation>連絡先は表示されていますが、次回のために保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>読み込みに失敗しました</translation>
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
        <translation>電話機</translation>
    </message>
    <message>
        <source>Search, or 390x844@3</source>
        <translation>検索、または 390x844@3</translation>
    </message>
    <message>
        <source>Sample Notifications</source>
        <translation>通知の例</translation>
    </message>
</context>
<context>
    <name>PhotoSourceDialog</name>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>写真なし</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Photo Library</source>
        <translation>フォトライブラリ</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>写真を削除</translation>
    </message>
</context>
<context>
    <name>RootViewController</name>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>SaveStyleAsDialog</name>
    <message>
        <source>Save Style As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Style name</source>
        <translation>スタイル名</translation>
    </message>
    <message>
        <source>Name of the new style</source>
        <translation>新しいスタイルの名前</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save Style</source>
        <translation>スタイルを保存</translation>
    </message>
</context>
<context>
    <name>Screen</name>
    <message>
        <source>under the status bar</source>
        <translation>ステータスバーの下</translation>
    </message>
    <message>
        <source>under the camera cut-out</source>
        <translation>カメラの切り欠きの下</translation>
    </message>
    <message>
        <source>under the clock</source>
        <translation>時計の下</translation>
    </message>
    <message>
        <source>under the widgets</source>
        <translation>ウィジェットの下</translation>
    </message>
    <message>
        <source>under the notifications</source>
        <translation>通知の下</translation>
    </message>
    <message>
        <source>under the shortcut buttons</source>
        <translation>ショートカットボタンの下</translation>
    </message>
    <message>
        <source>under the home indicator</source>
        <translation>ホームインジケータの下</translation>
    </message>
    <message>
        <source>under the unlock controls</source>
        <translation>ロック解除操作の下</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <translation>カスタム %1</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>--timeout is a whole number of seconds from 1 to 3600</source>
        <translation>--timeout は 1 から 3600 までの整数の秒数です</translation>
    </message>
    <message>
        <source>--bind is an IP address, not &apos;%1&apos;</source>
        <translation>--bind は IP アドレスです（「%1」ではありません）</translation>
    </message>
    <message>
        <source>--bind is this computer&apos;s address on the network, not %1</source>
        <translation>--bind はネットワーク上のこのコンピュータのアドレスです（%1 ではありません）</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>画像をエンコードできません</translation>
    </message>
    <message>
        <source>send takes [--device ID] [--timeout S] [--bind ADDRESS], not &apos;%1&apos;</source>
        <translation>send の引数は [--device ID] [--timeout S] [--bind ADDRESS] です（「%1」ではありません）</translation>
    </message>
    <message>
        <source>Scan the code with your phone&apos;s camera; the phone must be on the same network as this computer.</source>
        <translation>スマートフォンのカメラでコードを読み取ってください。スマートフォンはこのコンピュータと同じネットワークにある必要があります。</translation>
    </message>
    <message>
        <source>nobody downloaded it in %1 s</source>
        <translation>%1 秒以内にダウンロードされませんでした</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信しました</translation>
    </message>
</context>
<context>
    <name>SendToPhonePanel</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>もう一度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>電話機に送る</translation>
    </message>
    <message>
        <source>The picture cannot be sent: %1.</source>
        <translation>画像を送れません: %1。</translation>
    </message>
    <message>
        <source>this computer cannot send it</source>
        <translation>このコンピュータからは送れません</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信しました</translation>
    </message>
    <message>
        <source>Your phone has the wallpaper. Save it to your photos and set it as your lock screen picture.</source>
        <translation>電話機に壁紙が届きました。写真に保存して、ロック画面の画像に設定してください。</translation>
    </message>
    <message>
        <source>The address has expired.</source>
        <translation>アドレスの有効期限が切れました。</translation>
    </message>
    <message>
        <source>Scan with your phone&apos;s camera. Your phone must be on the same network as this computer.</source>
        <translation>電話機のカメラでスキャンしてください。電話機はこのコンピュータと同じネットワークにある必要があります。</translation>
    </message>
    <message>
        <source>Expires in %1</source>
        <translation>有効期限まで %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Couldn&apos;t save your settings: %1</source>
        <translation>設定を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your settings: %1; changes are not saved</source>
        <translation>設定を読み込めませんでした: %1。変更は保存されません</translation>
    </message>
    <message>
        <source>another program holds them</source>
        <translation>別のプログラムが使用中です</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialog</name>
    <message>
        <source>LETTERING</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>CONTRAST</source>
        <translation>明暗差</translation>
    </message>
    <message>
        <source>STRIP LAYOUT</source>
        <translation>帯のレイアウト</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Classic: one strip across the middle. Split: contact above, information below. None: the background alone, no strip and no lettering.</source>
        <translation>クラシック: 中央に帯を 1 本。分割: 上に連絡先、下に情報。なし: 背景だけで、帯も文字もなし。</translation>
    </message>
    <message>
        <source>STRIP OPACITY</source>
        <translation>帯の不透明度</translation>
    </message>
    <message>
        <source>Drag to see the strip fade; the opacity is kept when you let go.</source>
        <translation>ドラッグすると帯が薄くなります。指を離すと不透明度が確定します。</translation>
    </message>
    <message>
        <source>Strip Options</source>
        <translation>帯のオプション</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>レイアウト</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Less opaque</source>
        <translation>不透明度を下げる</translation>
    </message>
    <message>
        <source>More opaque</source>
        <translation>不透明度を上げる</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialogViewController</name>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1にする</translation>
    </message>
    <message>
        <source>Opacity %1</source>
        <translation>不透明度 %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>no lettering</source>
        <translation>文字なし</translation>
    </message>
</context>
<context>
    <name>StyleLibraryDialog</name>
    <message>
        <source>Style Library</source>
        <translation>スタイルライブラリ</translation>
    </message>
</context>
<context>
    <name>SwatchPalette</name>
    <message>
        <source>spectrum</source>
        <translation>スペクトル</translation>
    </message>
    <message>
        <source>earth tones</source>
        <translation>アース</translation>
    </message>
    <message>
        <source>earth tones dark</source>
        <translation>アース（濃）</translation>
    </message>
    <message>
        <source>earth tones light</source>
        <translation>アース（淡）</translation>
    </message>
    <message>
        <source>grays</source>
        <translation>グレー</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>standard dark</source>
        <translation>標準（濃）</translation>
    </message>
    <message>
        <source>standard light</source>
        <translation>標準（淡）</translation>
    </message>
</context>
<context>
    <name>ThemeCell</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>ThemeCellViewController</name>
    <message>
        <source>Delete Style</source>
        <translation>スタイルを削除</translation>
    </message>
    <message>
        <source>Are you sure you want to delete theme %1 ?</source>
        <translation>スタイル %1 を削除してもよろしいですか？</translation>
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
        <translation>自宅</translation>
    </message>
    <message>
        <source>work</source>
        <translation>勤務先</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1の%2</translation>
    </message>
    <message>
        <source>fax</source>
        <translation>ファックス</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>ポケベル</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>携帯</translation>
    </message>
    <message>
        <source>main</source>
        <translation>代表</translation>
    </message>
    <message>
        <source>car</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>callback</source>
        <translation>コールバック</translation>
    </message>
    <message>
        <source>textphone</source>
        <translation>文字電話</translation>
    </message>
    <message>
        <source>video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>会社</translation>
    </message>
    <message>
        <source>email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>address</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>website</source>
        <translation>ウェブサイト</translation>
    </message>
    <message>
        <source>title</source>
        <translation>役職</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>ニックネーム</translation>
    </message>
    <message>
        <source>note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>誕生日</translation>
    </message>
</context>
<context>
    <name>ViewAccessibility</name>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>濃い灰色</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>薄い灰色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>暗い赤</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>オリーブ</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>薄い緑</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>深緑</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>紺</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>すみれ色</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>ベージュ</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>カラーパレット</translation>
    </message>
    <message>
        <source>Colour spectrum</source>
        <translation>色のスペクトル</translation>
    </message>
    <message>
        <source>Colour spectrum, %1</source>
        <translation>色のスペクトル、%1</translation>
    </message>
</context>
<context>
    <name>WallpaperCode</name>
    <message>
        <source>Scan to call</source>
        <translation>スキャンして電話</translation>
    </message>
    <message>
        <source>no code to call: the contact text holds no number to dial</source>
        <translation>通話用のコードなし: 連絡先の文字列にダイヤルできる番号がありません</translation>
    </message>
    <message>
        <source>Scan me</source>
        <translation>スキャンしてください</translation>
    </message>
    <message>
        <source>no code: its address must start with https://</source>
        <translation>コードなし: アドレスは https:// で始まる必要があります</translation>
    </message>
    <message>
        <source>the scan code does not fit below the strips (fewer strips or a shorter address leave room)</source>
        <translation>スキャンコードが帯の下に収まりません（帯を減らすかアドレスを短くすると収まります）</translation>
    </message>
</context>
<context>
    <name>WallpaperLayout</name>
    <message>
        <source>the strip</source>
        <translation>帯</translation>
    </message>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>「TAVRIN:」</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>情報行</translation>
    </message>
    <message>
        <source>the upper strip</source>
        <translation>上の帯</translation>
    </message>
    <message>
        <source>the lower strip</source>
        <translation>下の帯</translation>
    </message>
    <message>
        <source>%1 reaches beyond the screen&apos;s edge</source>
        <translation>%1が画面の端からはみ出しています</translation>
    </message>
    <message>
        <source>%1 lies %2 (points %3 to %4 from the top)</source>
        <translation>%1が%2にあります（上から %3～%4 ポイント）</translation>
    </message>
</context>
<context>
    <name>WebView</name>
    <message>
        <source>This device has no network access.</source>
        <translation>このデバイスはネットワークに接続できません。</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>読み込み中…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>unknown or malformed argument &apos;%1&apos;</source>
        <translation>不明または不正な引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); try &apos;tavrin-plus export&apos; or &apos;xvfb-run tavrin-plus&apos;</source>
        <translation>ウインドウを開くディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）。&apos;tavrin-plus export&apos; か &apos;xvfb-run tavrin-plus&apos; を試してください</translation>
    </message>
</context>
</TS>
