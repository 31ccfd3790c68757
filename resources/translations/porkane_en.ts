<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>Barcode</name>
    <message>
        <source>%1には数字%2桁または%3桁を入力してください</source>
        <translation>Enter %2 or %3 digits for %1</translation>
    </message>
    <message>
        <source>%1のチェックデジット（最後の桁）が違います。正しくは %2 です</source>
        <translation>The check digit (last digit) of %1 is wrong. It should be %2</translation>
    </message>
    <message>
        <source>%1のデータを入力してください</source>
        <translation>Enter the data for %1</translation>
    </message>
    <message>
        <source>Code 128 に使えるのは半角の英数字と記号です（「%1」は使えません）</source>
        <translation>Code 128 takes only ASCII letters, digits and symbols (&quot;%1&quot; cannot be used)</translation>
    </message>
    <message>
        <source>Code 39 に使えるのは数字、英大文字、空白と「- . $ / + %」です（「%1」は使えません）</source>
        <translation>Code 39 takes only digits, capital letters, spaces and &quot;- . $ / + %&quot; (&quot;%1&quot; cannot be used)</translation>
    </message>
    <message>
        <source>NW-7 はA～Dのどれかで始めて、A～Dのどれかで終えてください（例：A12345B）</source>
        <translation>NW-7 must start and end with one of A to D (for example A12345B)</translation>
    </message>
    <message>
        <source>NW-7 のA～Dの間に使えるのは数字と「- $ : / . +」です（「%1」は使えません）</source>
        <translation>Between its A to D, NW-7 takes only digits and &quot;- $ : / . +&quot; (&quot;%1&quot; cannot be used)</translation>
    </message>
    <message>
        <source>カスタマバーコードのデータは郵便番号7桁（ハイフンなし）で始めてください</source>
        <translation>Customer barcode data must start with the 7-digit postcode (no hyphen)</translation>
    </message>
    <message>
        <source>カスタマバーコードに使えるのは数字、ハイフンと英字です（「%1」は使えません）</source>
        <translation>The customer barcode takes only digits, hyphens and letters (&quot;%1&quot; cannot be used)</translation>
    </message>
    <message>
        <source>カスタマバーコードのデータは20けたまでです（英字は1文字で2けたと数えます）</source>
        <translation>Customer barcode data can have at most 20 digits (a letter counts as 2)</translation>
    </message>
    <message>
        <source>バーコードを作るためのメモリが足りません</source>
        <translation>Not enough memory to make the barcode</translation>
    </message>
    <message>
        <source>%1にはデータが長すぎます</source>
        <translation>The data is too long for %1</translation>
    </message>
    <message>
        <source>%1を作れませんでした（%2）</source>
        <translation>Could not make %1 (%2)</translation>
    </message>
    <message>
        <source>バーコードの大きさは0より大きいミリメートルで指定してください</source>
        <translation>Give the barcode size in millimeters, greater than 0</translation>
    </message>
    <message>
        <source>解像度は%1～%2 dpiで指定してください</source>
        <translation>Give a resolution of %1 to %2 dpi</translation>
    </message>
    <message>
        <source>モジュール（最も細いバー）が小さすぎます。%1mm 以上にしてください</source>
        <translation>The module (narrowest bar) is too small. Make it at least %1 mm</translation>
    </message>
    <message>
        <source>%1は %2mm × %3mm には入りません。大きさを広げてください</source>
        <translation>%1 does not fit in %2 × %3 mm. Make it larger</translation>
    </message>
    <message>
        <source>%1mm の高さではバーを描けません。高さを広げてください</source>
        <translation>Bars cannot be drawn %1 mm high. Make it taller</translation>
    </message>
    <message>
        <source>カスタマバーコードのバー幅は0.46～0.69mm（8～11.5ポイント相当）にしてください（このままでは %1mm）</source>
        <translation>Customer barcode bars must be 0.46 to 0.69 mm wide (8 to 11.5 points); now they would be %1 mm</translation>
    </message>
    <message>
        <source>QRコード</source>
        <translation>QR Code</translation>
    </message>
    <message>
        <source>データマトリックス</source>
        <translation>Data Matrix</translation>
    </message>
    <message>
        <source>カスタマバーコード</source>
        <translation>Customer barcode</translation>
    </message>
</context>
<context>
    <name>BarcodeMerge</name>
    <message>
        <source>差し込み項目（%1）のあるバーコードは、元にするラベル %2 の上に置いてください。</source>
        <translation>A barcode with merge fields (%1) must lie on the design label %2.</translation>
    </message>
    <message>
        <source>%1 にこの項目がありません</source>
        <translation>%1 has no such field</translation>
    </message>
</context>
<context>
    <name>BarcodeSource</name>
    <message>
        <source>バーコードの設定がありません</source>
        <translation>The barcode settings are missing</translation>
    </message>
</context>
<context>
    <name>CustomerBarcode</name>
    <message>
        <source>住所Bの漢数字「%1」を数字に直せません</source>
        <translation>The kanji numeral &quot;%1&quot; in address B cannot be turned into digits</translation>
    </message>
    <message>
        <source>住所Bの「%1」はバーコードの抜き出し規則にない文字のため、住所表示番号を決められません</source>
        <translation>Address B holds &quot;%1&quot;, which the barcode rules do not cover, so its address number cannot be found</translation>
    </message>
    <message>
        <source>郵便番号は数字7桁（123-4567）で入力してください（「%1」）</source>
        <translation>Enter the postcode as 7 digits (123-4567) (&quot;%1&quot;)</translation>
    </message>
    <message>
        <source>郵便番号 %1-%2 は下2けたが00の代表の郵便番号のため、カスタマバーコードを付けません</source>
        <translation>Postcode %1-%2 ends in 00 (a shared postcode), so it gets no customer barcode</translation>
    </message>
    <message>
        <source>住所表示番号が20けたを超え、20けた目が英字「%1」の途中で切れるため、カスタマバーコードを作れません</source>
        <translation>The address number is longer than 20 digits and the 20th falls inside the letter &quot;%1&quot;, so no customer barcode can be made</translation>
    </message>
</context>
<context>
    <name>EditorFiles</name>
    <message>
        <source>ファイル名を入力してください。</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message>
        <source>データが編集されています。<byte value="xd"/>保存せずに他のファイルを開きますか？</source>
        <translation>The labels have been changed.<byte value="xd"/>Open another file without saving?</translation>
    </message>
</context>
<context>
    <name>ImageMessages</name>
    <message>
        <source>設定できる角度は、0～360度です。</source>
        <translation>The angle must be from 0 to 360 degrees.</translation>
    </message>
    <message>
        <source>画像を回転中です。しばらくお待ちください．．．</source>
        <translation>Rotating the picture. Please wait...</translation>
    </message>
    <message>
        <source>「%1」を開けませんでした。</source>
        <translation>Could not open &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>「%1」は読み込める画像ファイルではありません。</source>
        <translation>&quot;%1&quot; is not a picture file Porkane can read.</translation>
    </message>
    <message>
        <source>「%1」の画像は壊れているため読み込めません。</source>
        <translation>The picture in &quot;%1&quot; is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>画像が大きすぎます（%1 × %2 ピクセル）。これより小さな画像をお使いください。</source>
        <translation>The picture is too large (%1 × %2 pixels). Please use a smaller one.</translation>
    </message>
    <message>
        <source>クリップボードに画像がありません。</source>
        <translation>There is no picture on the clipboard.</translation>
    </message>
    <message>
        <source>画像がありません。</source>
        <translation>There is no picture.</translation>
    </message>
</context>
<context>
    <name>LabelGrid</name>
    <message>
        <source>列と行はそれぞれ 1 以上にしてください。</source>
        <translation>Columns and rows must each be at least 1.</translation>
    </message>
    <message>
        <source>ラベルは %1 面までです（%2 列 × %3 行 = %4 面）。</source>
        <translation>A sheet can have at most %1 labels (%2 columns × %3 rows = %4 labels).</translation>
    </message>
    <message>
        <source>長さは 1000 mm までです。</source>
        <translation>Lengths can be at most 1000 mm.</translation>
    </message>
    <message>
        <source>ラベルの幅と高さは 1 mm 以上にしてください。</source>
        <translation>Label width and height must be at least 1 mm.</translation>
    </message>
    <message>
        <source>余白と間隔は 0 mm 以上にしてください。</source>
        <translation>Margins and pitches must be 0 mm or more.</translation>
    </message>
    <message>
        <source>右端のラベルが用紙からはみ出します（%1 mm &gt; 用紙の幅 %2 mm）。</source>
        <translation>The rightmost labels run off the sheet (%1 mm &gt; sheet width %2 mm).</translation>
    </message>
    <message>
        <source>下端のラベルが用紙からはみ出します（%1 mm &gt; 用紙の高さ %2 mm）。</source>
        <translation>The bottom labels run off the sheet (%1 mm &gt; sheet height %2 mm).</translation>
    </message>
</context>
<context>
    <name>MergeData</name>
    <message>
        <source>自動判別</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>%1: データがありません（空のファイルです）。</source>
        <translation>%1: no data (the file is empty).</translation>
    </message>
    <message>
        <source>%1: UTF-8 のファイルです（先頭に BOM があります）。</source>
        <translation>%1: this is a UTF-8 file (it starts with a BOM).</translation>
    </message>
    <message>
        <source>%1: %2 行目が大きすぎて読めません。</source>
        <translation>%1: row %2 is too large to read.</translation>
    </message>
    <message>
        <source>%1: %2 行目の引用符（&quot;）の使い方が正しくありません。</source>
        <translation>%1: row %2 has quotation marks (&quot;) in the wrong places.</translation>
    </message>
    <message>
        <source>%1: %2 行目の「%3」: %4 として読めない文字があります。</source>
        <translation>%1: row %2, &quot;%3&quot;: has characters that are not valid %4.</translation>
    </message>
    <message>
        <source>%1 列目</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>%1: 1 行目（項目名）の %2 列目が空です。</source>
        <translation>%1: column %2 of row 1 (the field names) is empty.</translation>
    </message>
    <message>
        <source>%1: 1 行目（項目名）に「%2」が二つあります。</source>
        <translation>%1: row 1 (the field names) has &quot;%2&quot; twice.</translation>
    </message>
    <message>
        <source>%1: %2 行目の項目が %3 個あります（項目名は %4 個です）。</source>
        <translation>%1: row %2 has %3 fields (there are %4 field names).</translation>
    </message>
    <message>
        <source>%1: 項目名の行のほかにデータがありません。</source>
        <translation>%1: there is no data besides the row of field names.</translation>
    </message>
    <message>
        <source>%1: 開けません（%2）。</source>
        <translation>%1: cannot open it (%2).</translation>
    </message>
    <message>
        <source>%1: 大きすぎます（%2 MB まで）。</source>
        <translation>%1: too large (at most %2 MB).</translation>
    </message>
    <message>
        <source>%1: 読めません（%2）。</source>
        <translation>%1: cannot read it (%2).</translation>
    </message>
</context>
<context>
    <name>MergeFields</name>
    <message>
        <source>「%1」: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 行目「%2」: %3</source>
        <translation>Row %1, &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 にこの項目がありません</source>
        <translation>%1 has no such field</translation>
    </message>
    <message>
        <source>制御文字が含まれています</source>
        <translation>contains control characters</translation>
    </message>
    <message>
        <source>「%1」はラベルに使えない文字です（Shift-JIS にありません）</source>
        <translation>&quot;%1&quot; cannot be used on a label (it is not in Shift-JIS)</translation>
    </message>
    <message>
        <source>ラベルに入る %1 文字を超えます（%2 文字）</source>
        <translation>more than the %1 characters a label holds (%2 characters)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>ファイルを上書きしますか？</source>
        <translation>Overwrite the file?</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした。</source>
        <translation>Could not save the file.</translation>
    </message>
    <message>
        <source>ラベルファイルを正しく読み込めませんでした。</source>
        <translation>The label file could not be read correctly.</translation>
    </message>
    <message>
        <source>フォームファイルを正しく読み込めませんでした。</source>
        <translation>The template file could not be read correctly.</translation>
    </message>
    <message>
        <source>ファイル：%1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>理由：%1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>ファイルが壊れています。</source>
        <translation>The file is damaged.</translation>
    </message>
</context>
<context>
    <name>PaperSizes</name>
    <message>
        <source>ﾚﾀｰ (8 1/2 x 11 ｲﾝﾁ)</source>
        <translation>Letter (8 1/2 x 11 in)</translation>
    </message>
    <message>
        <source>ﾚﾀｰｽﾓｰﾙ (8 1/2 x 11 ｲﾝﾁ)</source>
        <translation>Letter Small (8 1/2 x 11 in)</translation>
    </message>
    <message>
        <source>ﾀﾌﾞﾛｲﾄﾞ (11 x 17 ｲﾝﾁ)</source>
        <translation>Tabloid (11 x 17 in)</translation>
    </message>
    <message>
        <source>ﾚｼﾞｬｰ (17 x 11 ｲﾝﾁ)</source>
        <translation>Ledger (17 x 11 in)</translation>
    </message>
    <message>
        <source>ﾘｰｶﾞﾙ (8 1/2 x 14 ｲﾝﾁ)</source>
        <translation>Legal (8 1/2 x 14 in)</translation>
    </message>
    <message>
        <source>ｽﾃｰﾄﾒﾝﾄ (5 1/2 x 8 1/2 ｲﾝﾁ)</source>
        <translation>Statement (5 1/2 x 8 1/2 in)</translation>
    </message>
    <message>
        <source>ｴｸﾞｾﾞｸﾃｨﾌﾞ (7 1/2 x 10 1/2 ｲﾝﾁ)</source>
        <translation>Executive (7 1/2 x 10 1/2 in)</translation>
    </message>
    <message>
        <source>A3 (297 x 420 mm)</source>
        <translation>A3 (297 x 420 mm)</translation>
    </message>
    <message>
        <source>A4 (210 x 297 mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>A4 Small (210 x 297 mm)</source>
        <translation>A4 Small (210 x 297 mm)</translation>
    </message>
    <message>
        <source>A5 (148 x 210 mm)</source>
        <translation>A5 (148 x 210 mm)</translation>
    </message>
    <message>
        <source>B4 (250 x 354 mm)</source>
        <translation>B4 (250 x 354 mm)</translation>
    </message>
    <message>
        <source>B5 (182 x 257 mm)</source>
        <translation>B5 (182 x 257 mm)</translation>
    </message>
    <message>
        <source>ﾌｫﾘｵ (8 1/2 x 13 ｲﾝﾁ)</source>
        <translation>Folio (8 1/2 x 13 in)</translation>
    </message>
    <message>
        <source>ｸｫｰﾄ (215 x 275 mm)</source>
        <translation>Quarto (215 x 275 mm)</translation>
    </message>
    <message>
        <source>10 x 14 ｲﾝﾁ</source>
        <translation>10 x 14 in</translation>
    </message>
    <message>
        <source>11 x 17 ｲﾝﾁ</source>
        <translation>11 x 17 in</translation>
    </message>
    <message>
        <source>ﾉｰﾄ (8 1/2 x 11 ｲﾝﾁ)</source>
        <translation>Note (8 1/2 x 11 in)</translation>
    </message>
    <message>
        <source>封筒 #9 (3 7/8 x 8 7/8 ｲﾝﾁ)</source>
        <translation>Envelope #9 (3 7/8 x 8 7/8 in)</translation>
    </message>
    <message>
        <source>封筒 #10 (4 1/8 x 9 1/2 ｲﾝﾁ)</source>
        <translation>Envelope #10 (4 1/8 x 9 1/2 in)</translation>
    </message>
    <message>
        <source>封筒 #11 (4 1/2 x 10 3/8 ｲﾝﾁ)</source>
        <translation>Envelope #11 (4 1/2 x 10 3/8 in)</translation>
    </message>
    <message>
        <source>封筒 #12 (4 1/2 x 11 ｲﾝﾁ)</source>
        <translation>Envelope #12 (4 1/2 x 11 in)</translation>
    </message>
    <message>
        <source>封筒 #14 (5 x 11 1/2 ｲﾝﾁ)</source>
        <translation>Envelope #14 (5 x 11 1/2 in)</translation>
    </message>
    <message>
        <source>C ｻｲｽﾞｼｰﾄ</source>
        <translation>C size sheet</translation>
    </message>
    <message>
        <source>D ｻｲｽﾞｼｰﾄ</source>
        <translation>D size sheet</translation>
    </message>
    <message>
        <source>E ｻｲｽﾞｼｰﾄ</source>
        <translation>E size sheet</translation>
    </message>
    <message>
        <source>封筒 DL (110 x 220 mm)</source>
        <translation>Envelope DL (110 x 220 mm)</translation>
    </message>
    <message>
        <source>封筒 C5 (162 x 229 mm)</source>
        <translation>Envelope C5 (162 x 229 mm)</translation>
    </message>
    <message>
        <source>封筒 C3 (324 x 458 mm)</source>
        <translation>Envelope C3 (324 x 458 mm)</translation>
    </message>
    <message>
        <source>封筒 C4 (229 x 324 mm)</source>
        <translation>Envelope C4 (229 x 324 mm)</translation>
    </message>
    <message>
        <source>封筒 C6 (114 x 162 mm)</source>
        <translation>Envelope C6 (114 x 162 mm)</translation>
    </message>
    <message>
        <source>封筒 C65 (114 x 229 mm)</source>
        <translation>Envelope C65 (114 x 229 mm)</translation>
    </message>
    <message>
        <source>封筒 B4 (250 x 353 mm)</source>
        <translation>Envelope B4 (250 x 353 mm)</translation>
    </message>
    <message>
        <source>封筒 B5 (176 x 250 mm)</source>
        <translation>Envelope B5 (176 x 250 mm)</translation>
    </message>
    <message>
        <source>封筒 B6 (176 x 125 mm)</source>
        <translation>Envelope B6 (176 x 125 mm)</translation>
    </message>
    <message>
        <source>封筒 (110 x 230 mm)</source>
        <translation>Envelope (110 x 230 mm)</translation>
    </message>
    <message>
        <source>封筒 Monarch (3 7/8 x 7 1/2 ｲﾝﾁ)</source>
        <translation>Envelope Monarch (3 7/8 x 7 1/2 in)</translation>
    </message>
    <message>
        <source>封筒 (3 5/8 x 6 1/2 ｲﾝﾁ)</source>
        <translation>Envelope (3 5/8 x 6 1/2 in)</translation>
    </message>
    <message>
        <source>U.S. ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ (14 7/8 x 11 ｲﾝﾁ)</source>
        <translation>US Std Fanfold (14 7/8 x 11 in)</translation>
    </message>
    <message>
        <source>ﾄﾞｲﾂ ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ(8 1/2 x 12 ｲﾝﾁ)</source>
        <translation>German Std Fanfold (8 1/2 x 12 in)</translation>
    </message>
    <message>
        <source>ﾄﾞｲﾂ ﾘｰｶﾞﾙ ﾌｧﾝﾌｫｰﾙﾄﾞ (8 1/2 x 13 ｲﾝﾁ)</source>
        <translation>German Legal Fanfold (8 1/2 x 13 in)</translation>
    </message>
    <message>
        <source>ユーザー定義のサイズ</source>
        <translation>Custom size</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>画像ファイル (%1)</source>
        <translation>Picture files (%1)</translation>
    </message>
</context>
<context>
    <name>PrintJobSetup</name>
    <message>
        <source>差し込むデータファイルを選んでください。</source>
        <translation>Please choose the data file to merge.</translation>
    </message>
    <message>
        <source>ラベルがないため、差し込み印刷はできません。</source>
        <translation>The sheet has no labels, so there is nothing to merge into.</translation>
    </message>
    <message>
        <source>%1 には、ラベル %2 の %3 に当たる項目がありません。<byte value="xd"/>1 行目の項目名を確かめてください（%4）。</source>
        <translation>%1 has no field for %3 of label %2.<byte value="xd"/>Please check the field names in its first row (%4).</translation>
    </message>
    <message>
        <source>差し込める行がありません。</source>
        <translation>No row can be merged.</translation>
    </message>
    <message>
        <source>全 %1 ページ</source>
        <translation>%1 page(s) in all</translation>
    </message>
    <message>
        <source>%1 件（%2）</source>
        <translation>%1 row(s) (%2)</translation>
    </message>
    <message>
        <source>・差し込めない行 %1</source>
        <translation>, %1 that cannot be merged</translation>
    </message>
    <message>
        <source>・全 %1 ページ</source>
        <translation>, %1 page(s) in all</translation>
    </message>
</context>
<context>
    <name>PrinterSetup</name>
    <message>
        <source>はがき</source>
        <translation>Japanese postcard</translation>
    </message>
    <message>
        <source>往復はがき</source>
        <translation>Japanese double postcard</translation>
    </message>
    <message>
        <source>長形3号</source>
        <translation>Envelope Chou 3</translation>
    </message>
    <message>
        <source>長形4号</source>
        <translation>Envelope Chou 4</translation>
    </message>
    <message>
        <source>角形2号</source>
        <translation>Envelope Kaku 2</translation>
    </message>
    <message>
        <source>角形3号</source>
        <translation>Envelope Kaku 3</translation>
    </message>
    <message>
        <source>洋形4号</source>
        <translation>Envelope You 4</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>待機中</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>印刷中</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1（通常使うプリンタ）</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>横</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>縦</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>カラー</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>モノクロ</source>
        <translation>Black and white</translation>
    </message>
    <message>
        <source>片面</source>
        <translation>One-sided</translation>
    </message>
    <message>
        <source>両面（長辺とじ）</source>
        <translation>Two-sided (long edge)</translation>
    </message>
    <message>
        <source>両面（短辺とじ）</source>
        <translation>Two-sided (short edge)</translation>
    </message>
    <message>
        <source>両面（自動）</source>
        <translation>Two-sided (automatic)</translation>
    </message>
    <message>
        <source>上段トレイ</source>
        <translation>Upper tray</translation>
    </message>
    <message>
        <source>下段トレイ</source>
        <translation>Lower tray</translation>
    </message>
    <message>
        <source>中段トレイ</source>
        <translation>Middle tray</translation>
    </message>
    <message>
        <source>手差し</source>
        <translation>Manual feed</translation>
    </message>
    <message>
        <source>封筒フィーダ</source>
        <translation>Envelope feeder</translation>
    </message>
    <message>
        <source>封筒手差し</source>
        <translation>Manual envelope feed</translation>
    </message>
    <message>
        <source>自動選択</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>トラクタ</source>
        <translation>Tractor</translation>
    </message>
    <message>
        <source>小サイズ用</source>
        <translation>Small format</translation>
    </message>
    <message>
        <source>大サイズ用</source>
        <translation>Large format</translation>
    </message>
    <message>
        <source>大容量トレイ</source>
        <translation>Large-capacity tray</translation>
    </message>
    <message>
        <source>カセット</source>
        <translation>Cassette</translation>
    </message>
    <message>
        <source>用紙フォーム</source>
        <translation>Form source</translation>
    </message>
    <message>
        <source>プリンタ固有の給紙方法</source>
        <translation>Printer-specific source</translation>
    </message>
    <message>
        <source>カラーインク</source>
        <translation>Color ink</translation>
    </message>
    <message>
        <source>モノクロインク</source>
        <translation>Black ink</translation>
    </message>
</context>
<context>
    <name>ProductCatalogue</name>
    <message>
        <source>長さ %1=&quot;%2&quot; を読めません</source>
        <translation>Cannot read the length %1=&quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: 開けません</source>
        <translation>%1: cannot open it</translation>
    </message>
    <message>
        <source>%1: 壊れています（%2 行目）</source>
        <translation>%1: damaged (line %2)</translation>
    </message>
    <message>
        <source>メーカー名か製品番号がありません</source>
        <translation>the maker or the product code is missing</translation>
    </message>
    <message>
        <source>用紙サイズ %1 が分かりません</source>
        <translation>unknown paper size %1</translation>
    </message>
    <message>
        <source>配置 nx/ny を読めません</source>
        <translation>cannot read the layout nx/ny</translation>
    </message>
    <message>
        <source>配置がありません</source>
        <translation>no layout</translation>
    </message>
    <message>
        <source>ラベルがありません</source>
        <translation>no labels</translation>
    </message>
    <message>
        <source>用紙が %1 mm を超えます</source>
        <translation>the sheet is larger than %1 mm</translation>
    </message>
    <message>
        <source>%1: %2 %3 を飛ばしました（%4）</source>
        <translation>%1: skipped %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1: 製品カタログのファイルではありません</source>
        <translation>%1: not a product catalog file</translation>
    </message>
    <message>
        <source>%1: %2 %3 の元の製品 %4 がありません</source>
        <translation>%1: %2 %3 is based on %4, which is missing</translation>
    </message>
    <message>
        <source>この製品は %1 面です。最初の %2 面を使います。</source>
        <translation>This product has %1 labels. The first %2 are used.</translation>
    </message>
    <message>
        <source>フォルダ %1 を作れません</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write to %1</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>ぽるかね</source>
        <translation>Porkane</translation>
    </message>
    <message>
        <source>ぽるかね ファイル (*.fhl)</source>
        <translation>Porkane files (*.fhl)</translation>
    </message>
    <message>
        <source>ぽるかね フォームファイル (*.fom)</source>
        <translation>Porkane templates (*.fom)</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Select Color</translation>
    </message>
</context>
<context>
    <name>SampleText</name>
    <message>
        <source>あア亜いイ井</source>
        <translation>あア亜いイ井</translation>
    </message>
    <message>
        <source>abcdＡＢＣＤ</source>
        <translation>abcdＡＢＣＤ</translation>
    </message>
    <message>
        <source>123１２３</source>
        <translation>123１２３</translation>
    </message>
</context>
<context>
    <name>TextEditing</name>
    <message>
        <source>１つのラベルに入力できるのは%1文字までです。</source>
        <translation>A label can hold at most %1 characters.</translation>
    </message>
    <message>
        <source>「%1」は入力できない文字です。</source>
        <translation>&quot;%1&quot; cannot be typed on a label.</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>ぽるかね</source>
        <translation>Porkane</translation>
    </message>
</context>
<context>
    <name>WindowFrame</name>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>元のサイズに戻す</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>porkane</name>
    <message>
        <source>メモリが足りないため、処理を続けられませんでした。</source>
        <translation>Not enough memory to go on.</translation>
    </message>
    <message>
        <source>ファイルを上書きしますか？</source>
        <translation>Overwrite the file?</translation>
    </message>
    <message>
        <source>設定ファイル「%1」が壊れているため、初期設定を使います。<byte value="xd"/>このファイルは次に設定を保存するときに書き直されます。</source>
        <translation>The settings file &quot;%1&quot; is damaged, so the default settings are used.<byte value="xd"/>The file is written again the next time settings are saved.</translation>
    </message>
    <message>
        <source>メモリが足りないため、印刷できませんでした。<byte value="xd"/>印刷は完了していません。</source>
        <translation>Not enough memory to print.<byte value="xd"/>Printing did not finish.</translation>
    </message>
    <message>
        <source>印刷を中止しました。</source>
        <translation>Printing was cancelled.</translation>
    </message>
    <message>
        <source>印刷するページがありません。</source>
        <translation>There is no page to print.</translation>
    </message>
    <message>
        <source>プリンタが見つかりません。<byte value="xd"/>プリンタの設定を確認してください。</source>
        <translation>The printer was not found.<byte value="xd"/>Please check the printer setup.</translation>
    </message>
    <message>
        <source>プリンタを開けませんでした。<byte value="xd"/>印刷できません。</source>
        <translation>The printer could not be opened.<byte value="xd"/>Nothing can be printed.</translation>
    </message>
    <message>
        <source>印刷中にエラーが発生しました。<byte value="xd"/>印刷は完了していません。</source>
        <translation>An error occurred while printing.<byte value="xd"/>Printing did not finish.</translation>
    </message>
</context>
<context>
    <name>porkane::AboutDialog</name>
    <message>
        <source>ぽるかねについて</source>
        <translation>About Porkane</translation>
    </message>
    <message>
        <source>ver%1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>ラベルシートの作成と印刷</source>
        <translation>Design and print sheets of labels</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ヘルプを表示します。</source>
        <translation>Open the user guide (in Japanese)</translation>
    </message>
    <message>
        <source>ヘルプファイルがありません。</source>
        <translation>The user guide is not installed</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ａｂｏｕｔを閉じます。</source>
        <translation>Close this window</translation>
    </message>
</context>
<context>
    <name>porkane::BarcodeDialog</name>
    <message>
        <source>バーコード作成</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>保存して開き直すと、通常の画像になります。</source>
        <translation>Once saved and opened again, it is an ordinary picture.</translation>
    </message>
    <message>
        <source>O   K</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>このバーコードを画像にします。</source>
        <translation>Make this barcode the picture</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>バーコードを作らずに閉じます。</source>
        <translation>Close without making a barcode</translation>
    </message>
    <message>
        <source>種類とデータ</source>
        <translation>Type and data</translation>
    </message>
    <message>
        <source>例：4901234567894、《JAN》</source>
        <translation>e.g. 4901234567894, 《JAN》</translation>
    </message>
    <message>
        <source>例：100-0013、《郵便番号》</source>
        <translation>e.g. 100-0013, 《Postcode》</translation>
    </message>
    <message>
        <source>例：1丁目3番2号、《住所2》</source>
        <translation>e.g. 1-3-2, 《Address2》</translation>
    </message>
    <message>
        <source>町域名より後ろの住所（丁目・番地・号、建物名と部屋番号）</source>
        <translation>The address after the town name (block and house numbers, building and room)</translation>
    </message>
    <message>
        <source>・データ</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>・郵便番号</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>・住所B</source>
        <translation>Address B</translation>
    </message>
    <message>
        <source>《》の項目は、差し込み印刷で行ごとの値に置き換わります（ここでは見本）。</source>
        <translation>Fields in 《》 take each row&apos;s values when merge printing (a sample here).</translation>
    </message>
    <message>
        <source>・種類</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>モジュール幅で指定</source>
        <translation>By module width</translation>
    </message>
    <message>
        <source>最も細いバー（二次元コードはセル）の幅を決めます。</source>
        <translation>Sets the width of the narrowest bar (the cell of a 2D code)</translation>
    </message>
    <message>
        <source>全体の大きさで指定</source>
        <translation>By overall size</translation>
    </message>
    <message>
        <source>この大きさに収まる、できるだけ大きなバーコードにします。</source>
        <translation>Makes the largest barcode that fits this size</translation>
    </message>
    <message>
        <source>バーの高さ</source>
        <translation>Bar height</translation>
    </message>
    <message>
        <source>ｍｍ</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>&#x3000;モジュール幅</source>
        <translation>&#x3000;Module width</translation>
    </message>
    <message>
        <source>&#x3000;横</source>
        <translation>&#x3000;Width</translation>
    </message>
    <message>
        <source>縦</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>バーの下に数字・文字を表示する</source>
        <translation>Show the digits or text under the bars</translation>
    </message>
    <message>
        <source>周りに余白（クワイエットゾーン）を付ける</source>
        <translation>Add a margin (quiet zone) around it</translation>
    </message>
    <message>
        <source>読み取りに必要な白い余白です。ラベルの端に寄せるときも付けておきます。</source>
        <translation>The white margin a reader needs; keep it even near the edge of a label.</translation>
    </message>
    <message>
        <source>・誤り訂正レベル</source>
        <translation>Error correction</translation>
    </message>
    <message>
        <source>L（約7%）</source>
        <translation>L (about 7%)</translation>
    </message>
    <message>
        <source>M（約15%）</source>
        <translation>M (about 15%)</translation>
    </message>
    <message>
        <source>Q（約25%）</source>
        <translation>Q (about 25%)</translation>
    </message>
    <message>
        <source>H（約30%）</source>
        <translation>H (about 30%)</translation>
    </message>
    <message>
        <source>汚れや欠けがあっても読み取れる割合です。高いほどコードは大きくなります。</source>
        <translation>How much of the code may be dirty or missing and still read; the higher, the larger the code.</translation>
    </message>
    <message>
        <source>見本</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>%1 × %2 mm（モジュール %3 mm）</source>
        <translation>%1 × %2 mm (module %3 mm)</translation>
    </message>
    <message>
        <source>バーコードのデータ：%1</source>
        <translation>Barcode data: %1</translation>
    </message>
    <message>
        <source>読み取ると：%1</source>
        <translation>Reads as: %1</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>porkane::BarcodeDialogModel</name>
    <message>
        <source>郵便番号を入力してください</source>
        <translation>Please enter the postcode</translation>
    </message>
</context>
<context>
    <name>porkane::ChangeFormatPanel</name>
    <message>
        <source>書式変更</source>
        <translation>Change Format</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>文字色設定反映</source>
        <translation>Apply text color</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>フォント設定反映</source>
        <translation>Apply font</translation>
    </message>
    <message>
        <source>文字サイズ</source>
        <translation>Character size</translation>
    </message>
    <message>
        <source>幅：</source>
        <translation>W:</translation>
    </message>
    <message>
        <source>高：</source>
        <translation>H:</translation>
    </message>
    <message>
        <source>文字サイズ設定反映</source>
        <translation>Apply character size</translation>
    </message>
    <message>
        <source>文字飾り</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>ボールド</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>イタリック</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>アンダーライン</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>取り消し線</source>
        <translation>Strikeout</translation>
    </message>
    <message>
        <source>ボールド（標準に戻す）</source>
        <translation>Bold (back to normal)</translation>
    </message>
    <message>
        <source>字間</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>字間設定反映</source>
        <translation>Apply character spacing</translation>
    </message>
    <message>
        <source>行間</source>
        <translation>Line gap</translation>
    </message>
    <message>
        <source>行間設定反映</source>
        <translation>Apply line spacing</translation>
    </message>
    <message>
        <source>文字回転</source>
        <translation>Char. angle</translation>
    </message>
    <message>
        <source>文字回転設定反映</source>
        <translation>Apply character rotation</translation>
    </message>
    <message>
        <source>行回転角</source>
        <translation>Line angle</translation>
    </message>
    <message>
        <source>行回転設定反映</source>
        <translation>Apply line rotation</translation>
    </message>
    <message>
        <source>文字揃え</source>
        <translation>Align characters</translation>
    </message>
    <message>
        <source>文字上揃え</source>
        <translation>Align characters to the top</translation>
    </message>
    <message>
        <source>文字センター揃え</source>
        <translation>Center characters</translation>
    </message>
    <message>
        <source>文字下揃え</source>
        <translation>Align characters to the bottom</translation>
    </message>
    <message>
        <source>行揃え</source>
        <translation>Align lines</translation>
    </message>
    <message>
        <source>行上揃え</source>
        <translation>Align lines to the top</translation>
    </message>
    <message>
        <source>行センター揃え</source>
        <translation>Center lines</translation>
    </message>
    <message>
        <source>行下揃え</source>
        <translation>Align lines to the bottom</translation>
    </message>
    <message>
        <source>影文字設定</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>影文字設定反映</source>
        <translation>Apply effects</translation>
    </message>
</context>
<context>
    <name>porkane::EditorFormatPanel</name>
    <message>
        <source>文字色</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>（指定なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>幅と高さを一緒に変えます</source>
        <translation>Change width and height together</translation>
    </message>
    <message>
        <source>ボールドウェイト</source>
        <translation>Bold weight</translation>
    </message>
    <message>
        <source>影文字</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>３Ｄ文字</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>文字輪郭付き</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>影文字色</source>
        <translation>Shadow color</translation>
    </message>
    <message>
        <source>３Ｄ開始・輪郭色</source>
        <translation>3D/outline color</translation>
    </message>
    <message>
        <source>縦ずらし量</source>
        <translation>Down shift</translation>
    </message>
    <message>
        <source>横ずらし量</source>
        <translation>Right shift</translation>
    </message>
</context>
<context>
    <name>porkane::EditorToolbar</name>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>書式設定</source>
        <translation>Text Format</translation>
    </message>
    <message>
        <source>テ゜ンプレート設定</source>
        <translation>Template settings</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>画像貼り付け</source>
        <translation>Paste picture</translation>
    </message>
    <message>
        <source>画像削除</source>
        <translation>Delete picture</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直す</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>文字属性コピー</source>
        <translation>Copy character format</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>元のサイズに戻す</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>porkane::EditorWindow</name>
    <message>
        <source>文字入力</source>
        <translation>Label Text</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直す</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>カット</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>属性コピー</source>
        <translation>Copy Format</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>テキストより前面に移動</source>
        <translation>Bring in Front of Text</translation>
    </message>
    <message>
        <source>テキストより背面に移動</source>
        <translation>Send Behind Text</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>ラベルを１８０度回転する。</source>
        <translation>Turn the label upside down</translation>
    </message>
    <message>
        <source>これ以上画像を貼り付けられません。</source>
        <translation>No more pictures can be pasted.</translation>
    </message>
    <message>
        <source>保存せずに終了しますか？</source>
        <translation>Close without saving?</translation>
    </message>
    <message>
        <source>メモリが足りないため、ラベルの一部を表示できません。<byte value="xd"/>文字や画像を減らすか、他のプログラムを終了してください。</source>
        <translation>Not enough memory to show every label.<byte value="xd"/>Use less text or fewer pictures, or close other programs.</translation>
    </message>
    <message>
        <source>印刷...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>PDFに保存...</source>
        <translation>Save PDF...</translation>
    </message>
</context>
<context>
    <name>porkane::FontList</name>
    <message>
        <source>フォント名</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>CharSet</source>
        <translation>Charset</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>porkane::FormatSettingsDialog</name>
    <message>
        <source>書式設定</source>
        <translation>Text Format</translation>
    </message>
    <message>
        <source>このウインドウを閉じます。</source>
        <translation>Close this window</translation>
    </message>
    <message>
        <source>字間・行間</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>字間</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>行間</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>ｍｍ</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>回転</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>文字回転角</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>行回転角</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>文字サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>幅：</source>
        <translation>W:</translation>
    </message>
    <message>
        <source>高：</source>
        <translation>H:</translation>
    </message>
    <message>
        <source>幅と高さを一緒に変えます。</source>
        <translation>Change width and height together</translation>
    </message>
    <message>
        <source>ｐｏｉｎｔ</source>
        <translation>point</translation>
    </message>
    <message>
        <source>文字飾り</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>太字</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>下線</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>取り消し線</source>
        <translation>Strikeout</translation>
    </message>
    <message>
        <source>ボールドウェイト</source>
        <translation>Bold weight</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>クリックすると色を選べます。</source>
        <translation>Click to choose a color</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>Light blue</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>紺</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>オレンジ</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>文字効果</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>影文字</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>３Ｄ文字</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>文字輪郭付き</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>３Ｄ開始色</source>
        <translation>3D start color</translation>
    </message>
    <message>
        <source>影文字色</source>
        <translation>Shadow color</translation>
    </message>
    <message>
        <source>縦ずらし量          (mm)</source>
        <translation>Down shift  (mm)</translation>
    </message>
    <message>
        <source>横ずらし量          (mm)</source>
        <translation>Right shift  (mm)</translation>
    </message>
    <message>
        <source>サンプル</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>グリッド色</source>
        <translation>Grid color</translation>
    </message>
    <message>
        <source>グリッド</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>設定を有効にしこのウインドウを閉じます。</source>
        <translation>Use these settings and close this window</translation>
    </message>
    <message>
        <source>既定値</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>設定を規定値に設定にしこのウインドウを閉じます。</source>
        <translation>Go back to the default settings and close this window</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>設定を無効にしこのウインドウを閉じます。</source>
        <translation>Close this window without changing the settings</translation>
    </message>
</context>
<context>
    <name>porkane::ImageObjects</name>
    <message>
        <source>画像をこれ以上動かせません。</source>
        <translation>The picture cannot move any further.</translation>
    </message>
</context>
<context>
    <name>porkane::ImagePasteDialog</name>
    <message>
        <source>画像の貼り付け</source>
        <translation>Paste Picture</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>O   K</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>この画像を貼り付けます。</source>
        <translation>Paste this picture</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>画像を貼り付けずに閉じます。</source>
        <translation>Close without pasting</translation>
    </message>
    <message>
        <source>画像の読み込み</source>
        <translation>Get Picture</translation>
    </message>
    <message>
        <source>ファイルから 読み込む</source>
        <translation>From file</translation>
    </message>
    <message>
        <source>画像ファイルを開きます。</source>
        <translation>Open a picture file</translation>
    </message>
    <message>
        <source>クリップボードから貼り付ける</source>
        <translation>From clipboard</translation>
    </message>
    <message>
        <source>クリップボードの画像を使います。</source>
        <translation>Use the picture on the clipboard</translation>
    </message>
    <message>
        <source>回転・反転</source>
        <translation>Rotate and Flip</translation>
    </message>
    <message>
        <source>オリジナル画像に戻します。</source>
        <translation>Back to the original picture</translation>
    </message>
    <message>
        <source>９０度回転</source>
        <translation>Rotate 90°</translation>
    </message>
    <message>
        <source>１８０度回転</source>
        <translation>Rotate 180°</translation>
    </message>
    <message>
        <source>２７０度回転</source>
        <translation>Rotate 270°</translation>
    </message>
    <message>
        <source>左右鏡像</source>
        <translation>Flip horizontally</translation>
    </message>
    <message>
        <source>上下鏡像</source>
        <translation>Flip vertically</translation>
    </message>
    <message>
        <source>入力した角度で右に回転します。</source>
        <translation>Rotate clockwise by the angle entered</translation>
    </message>
    <message>
        <source>0～360度</source>
        <translation>0 to 360°</translation>
    </message>
    <message>
        <source>・角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>・倍率</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>・横長</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>ｍｍ</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>・縦長</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>透過</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>透過処理</source>
        <translation>Transparent color</translation>
    </message>
    <message>
        <source>画像を貼り付ける際、透過色で透過処理します。</source>
        <translation>Make the transparent color see-through when pasting</translation>
    </message>
    <message>
        <source>透過色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>クリックすると色を選べます。</source>
        <translation>Click to choose a color</translation>
    </message>
    <message>
        <source>取得</source>
        <translation>Pick</translation>
    </message>
    <message>
        <source>画像より透過色を設定します。</source>
        <translation>Pick the transparent color from the picture</translation>
    </message>
    <message>
        <source>バーコード作成</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>JANコード、QRコード、カスタマバーコードなどを作ります。</source>
        <translation>Make a JAN code, a QR code, a postal customer barcode and more</translation>
    </message>
    <message>
        <source>この画像は %1 です。「バーコード作成」で設定を変えられます。</source>
        <translation>This picture is a %1 barcode; “Barcode” changes its settings.</translation>
    </message>
</context>
<context>
    <name>porkane::InputFormatPanel</name>
    <message>
        <source>入力書式</source>
        <translation>Typing Format</translation>
    </message>
    <message>
        <source>ボールド</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>イタリック</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>アンダーライン</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>取り消し線</source>
        <translation>Strikeout</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>文字サイズ</source>
        <translation>Character size</translation>
    </message>
    <message>
        <source>幅：</source>
        <translation>W:</translation>
    </message>
    <message>
        <source>高：</source>
        <translation>H:</translation>
    </message>
    <message>
        <source>文字飾り</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>字間</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>行間</source>
        <translation>Line gap</translation>
    </message>
    <message>
        <source>文字回転</source>
        <translation>Char. angle</translation>
    </message>
    <message>
        <source>行回転角</source>
        <translation>Line angle</translation>
    </message>
</context>
<context>
    <name>porkane::LabelGridDialog</name>
    <message>
        <source>格子で配置</source>
        <translation>Grid Layout</translation>
    </message>
    <message>
        <source>Ｏ   Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>この並びでラベルを置き換えます。</source>
        <translation>Replace the labels with this layout</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>フォームを変えずに閉じます。</source>
        <translation>Close without changing the template</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>横長：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>用紙の幅</source>
        <translation>Width of the sheet</translation>
    </message>
    <message>
        <source>縦長：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>用紙の高さ</source>
        <translation>Height of the sheet</translation>
    </message>
    <message>
        <source>ラベルの数</source>
        <translation>Number of labels</translation>
    </message>
    <message>
        <source>列（横に）：</source>
        <translation>Columns (across):</translation>
    </message>
    <message>
        <source>列</source>
        <translation>columns</translation>
    </message>
    <message>
        <source>横に並ぶラベルの数</source>
        <translation>Labels side by side</translation>
    </message>
    <message>
        <source>行（縦に）：</source>
        <translation>Rows (down):</translation>
    </message>
    <message>
        <source>行</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>縦に並ぶラベルの数</source>
        <translation>Labels one above the other</translation>
    </message>
    <message>
        <source>ラベルの大きさ</source>
        <translation>Label size</translation>
    </message>
    <message>
        <source>ラベル横長：</source>
        <translation>Label width:</translation>
    </message>
    <message>
        <source>ラベルの幅</source>
        <translation>Width of one label</translation>
    </message>
    <message>
        <source>ラベル縦長：</source>
        <translation>Label height:</translation>
    </message>
    <message>
        <source>ラベルの高さ</source>
        <translation>Height of one label</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>上余白：</source>
        <translation>Top margin:</translation>
    </message>
    <message>
        <source>用紙の上端から一行目のラベルの上端まで</source>
        <translation>From the top edge of the sheet to the top of the first row</translation>
    </message>
    <message>
        <source>左余白：</source>
        <translation>Left margin:</translation>
    </message>
    <message>
        <source>用紙の左端から一列目のラベルの左端まで</source>
        <translation>From the left edge of the sheet to the left of the first column</translation>
    </message>
    <message>
        <source>横ピッチ：</source>
        <translation>Across pitch:</translation>
    </message>
    <message>
        <source>ラベルの左端から右隣のラベルの左端まで。ラベルが接していればラベル横長と同じです。</source>
        <translation>From the left edge of a label to that of the label to its right; the label width when labels touch.</translation>
    </message>
    <message>
        <source>縦ピッチ：</source>
        <translation>Down pitch:</translation>
    </message>
    <message>
        <source>ラベルの上端から下のラベルの上端まで。ラベルが接していればラベル縦長と同じです。</source>
        <translation>From the top edge of a label to that of the label below; the label height when labels touch.</translation>
    </message>
    <message>
        <source>フォームイメージ</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>%1 列 × %2 行 = %3 面</source>
        <translation>%1 columns × %2 rows = %3 labels</translation>
    </message>
</context>
<context>
    <name>porkane::MainMenuWindow</name>
    <message>
        <source>終   了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ぽるかねを終了します。</source>
        <translation>Quit Porkane</translation>
    </message>
    <message>
        <source>新規製作</source>
        <translation>New</translation>
    </message>
    <message>
        <source>新規テンプレートを製作し、文字入力します。</source>
        <translation>Design a new template, then type the labels</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>保存済みのファイルを開きます。</source>
        <translation>Open a saved label file</translation>
    </message>
    <message>
        <source>ﾃﾝﾌﾟﾚｰﾄを開く</source>
        <translation>Use Template</translation>
    </message>
    <message>
        <source>テンプレートを開きます。</source>
        <translation>Start new labels on a saved template</translation>
    </message>
    <message>
        <source>書式設定</source>
        <translation>Text Format</translation>
    </message>
    <message>
        <source>入力書式の設定画面を開きます。</source>
        <translation>Set the format new text is typed in</translation>
    </message>
    <message>
        <source>プリンタの設定</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>プリンタの設定画面を開きます。</source>
        <translation>Choose the printer and its settings</translation>
    </message>
    <message>
        <source>ﾃﾝﾌﾟﾚｰﾄ設定</source>
        <translation>Edit Template</translation>
    </message>
    <message>
        <source>テンプレートの設定画面を開きます。</source>
        <translation>Change a saved template</translation>
    </message>
    <message>
        <source>Ａｂｏｕｔ</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Ａｂｏｕｔを表示します。</source>
        <translation>About Porkane</translation>
    </message>
</context>
<context>
    <name>porkane::PicturePreview</name>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>porkane::PrintPanel</name>
    <message>
        <source>現在のプリンタの設定</source>
        <translation>Current Printer</translation>
    </message>
    <message>
        <source>プリンタ名：</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>用紙サイズ：</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>印刷の向き：</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>インク：</source>
        <translation>Ink:</translation>
    </message>
    <message>
        <source>オフセット（mm）</source>
        <translation>Offset (mm)</translation>
    </message>
    <message>
        <source>左：</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>上：</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>ラベルからはみ出した文字も強制的に印刷する。</source>
        <translation>Also print text that runs over its label</translation>
    </message>
    <message>
        <source>画像を透過処理しています。しばらくお待ちください．．．</source>
        <translation>Making pictures see-through. Please wait...</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>印刷パネルを閉じます。</source>
        <translation>Close the print panel</translation>
    </message>
    <message>
        <source>プリンタ設定</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>プリンタの設定画面を開きます。</source>
        <translation>Choose the printer and its settings</translation>
    </message>
    <message>
        <source>印刷開始</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>印刷を開始します。</source>
        <translation>Start printing</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>印刷する内容</source>
        <translation>What to print</translation>
    </message>
    <message>
        <source>各ラベルそのまま</source>
        <translation>Labels as they are</translation>
    </message>
    <message>
        <source>差し込み印刷</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>（CSV・TSV ファイル）</source>
        <translation>(CSV or TSV file)</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>差し込むデータファイル（1 行目が項目名の CSV・TSV）を選びます。</source>
        <translation>Choose the data file to merge (CSV or TSV, field names in the first row)</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>このラベルの文字と書式で、すべてのラベルを印刷します。</source>
        <translation>Every label is printed with the text and formats of this label</translation>
    </message>
    <message>
        <source>データ：</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>文字コード：</source>
        <translation>Encoding:</translation>
    </message>
    <message>
        <source>デザイン：ラベル</source>
        <translation>Design: label</translation>
    </message>
    <message>
        <source>1 枚目のこのラベルから印刷します。使いかけのシートに。</source>
        <translation>Start at this label of the first sheet, for a sheet partly used</translation>
    </message>
    <message>
        <source>開始位置：</source>
        <translation>Start at:</translation>
    </message>
    <message>
        <source>部数：</source>
        <translation>Copies:</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>印刷を中止します。PDF は保存されません。</source>
        <translation>Stop printing; no PDF is saved</translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>印刷するページを画面で確かめます。</source>
        <translation>See the pages before printing</translation>
    </message>
    <message>
        <source>PDFに保存</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>印刷するページを PDF ファイルに保存します。</source>
        <translation>Save the pages as a PDF file</translation>
    </message>
    <message>
        <source>%1 / %2 ページ目を作成しています</source>
        <translation>Making page %1 of %2</translation>
    </message>
    <message>
        <source>データファイル (*.csv *.tsv *.txt);;すべてのファイル (*)</source>
        <translation>Data files (*.csv *.tsv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>ほか %1 行</source>
        <translation>and %1 more row(s)</translation>
    </message>
    <message>
        <source>次の %1 行は差し込めないため、印刷されません。<byte value="xd"/>差し込める %2 行だけで続けますか？</source>
        <translation>The following %1 row(s) cannot be merged and will not be printed.<byte value="xd"/>Go on with the %2 row(s) that can?</translation>
    </message>
    <message>
        <source>印刷を中止しました。<byte value="xd"/>中止の前に作成したページは、プリンタに送られている場合があります。</source>
        <translation>Printing was cancelled.<byte value="xd"/>Pages made before that may have gone to the printer.</translation>
    </message>
</context>
<context>
    <name>porkane::PrintPreviewDialog</name>
    <message>
        <source>印刷プレビュー</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>◀ 前のページ</source>
        <translation>◀ Previous</translation>
    </message>
    <message>
        <source>次のページ ▶</source>
        <translation>Next ▶</translation>
    </message>
    <message>
        <source>/ %1 ページ</source>
        <translation>of %1</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>倍率：</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>このページは表示できません。</source>
        <translation>This page cannot be shown.</translation>
    </message>
</context>
<context>
    <name>porkane::PrinterSetupDialog</name>
    <message>
        <source>プリンタの設定</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>設定を変えずに閉じます。</source>
        <translation>Close without changing the settings</translation>
    </message>
    <message>
        <source>プリンタ</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>プリンタ名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>プリンタが見つかりません。
印刷すると、PDF ファイルに書き出します。</source>
        <translation>No printer was found.
Printing writes a PDF file instead.</translation>
    </message>
    <message>
        <source>種類：</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>場所：</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>コメント：</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>サイズ：</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>給紙方法：</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>印刷の向き</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>色：</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>両面印刷：</source>
        <translation>Two-sided:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>選んだプリンタと設定を、これからの印刷に使います。</source>
        <translation>Use this printer and these settings from now on</translation>
    </message>
    <message>
        <source>このウインドウを閉じます。</source>
        <translation>Close this window</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>プリンタの設定に従う</source>
        <translation>As set on the printer</translation>
    </message>
    <message>
        <source>このプリンタでは、給紙方法はプリンタ側の設定で決まります。</source>
        <translation>On this printer, the paper source is set on the printer itself.</translation>
    </message>
</context>
<context>
    <name>porkane::ProductChooserDialog</name>
    <message>
        <source>製品から選ぶ</source>
        <translation>Choose a Product</translation>
    </message>
    <message>
        <source>Ｏ   Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>選んだ製品をフォームにします。</source>
        <translation>Make the chosen product the template</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>フォームを変えずに閉じます。</source>
        <translation>Close without changing the template</translation>
    </message>
    <message>
        <source>製品</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>検索：</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>メーカー・製品番号・用紙・面数（例：L7160、12面、A4）</source>
        <translation>Maker, product code, paper or label count (e.g. L7160, A4)</translation>
    </message>
    <message>
        <source>フォームイメージ</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>製品カタログ（glabels-data）がインストールされていません。保存した製品だけを表示します。</source>
        <translation>The product catalogue (glabels-data) is not installed. Only your saved products are listed.</translation>
    </message>
    <message>
        <source>読み込めなかったカタログファイルがあります: %1</source>
        <translation>Some catalogue files could not be read: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 件</source>
        <translation>%1 product(s)</translation>
    </message>
    <message>
        <source>一致する製品はありません。</source>
        <translation>No product matches.</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1
用紙：%2
%3 面、ラベル %4 mm</source>
        <translation>%1
Paper: %2
%3 labels of %4 mm</translation>
    </message>
</context>
<context>
    <name>porkane::ProductSaveDialog</name>
    <message>
        <source>製品として保存</source>
        <translation>Save as Product</translation>
    </message>
    <message>
        <source>Ｏ   Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>このフォームを製品として保存します。</source>
        <translation>Save this template as a product</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>保存せずに閉じます。</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>製品</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>メーカー：</source>
        <translation>Maker:</translation>
    </message>
    <message>
        <source>製品番号：</source>
        <translation>Product code:</translation>
    </message>
    <message>
        <source>説明：</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>保存した製品は「製品から選ぶ」の一覧に加わります。</source>
        <translation>Saved products join the list of “Choose a Product”.</translation>
    </message>
</context>
<context>
    <name>porkane::ProductTableModel</name>
    <message>
        <source>%1（保存した製品）</source>
        <translation>%1 (saved product)</translation>
    </message>
    <message>
        <source>メーカー</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>製品番号</source>
        <translation>Product code</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>面数</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>ラベル (mm)</source>
        <translation>Label (mm)</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>porkane::SheetViewGroup</name>
    <message>
        <source>印刷イメージ</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>グリッド表示</source>
        <translation>Show grid</translation>
    </message>
    <message>
        <source>画像選択優先</source>
        <translation>Pictures first</translation>
    </message>
    <message>
        <source>表示倍率：</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>間隔：</source>
        <translation>Spacing:</translation>
    </message>
    <message>
        <source>色：</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>背景色：</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>ラベル色：</source>
        <translation>Labels:</translation>
    </message>
</context>
<context>
    <name>porkane::SplashWindow</name>
    <message>
        <source>フォント情報を読み込み中です。</source>
        <translation>Reading the fonts...</translation>
    </message>
</context>
<context>
    <name>porkane::TemplateDesignerWindow</name>
    <message>
        <source>フォームの設定</source>
        <translation>Template Designer</translation>
    </message>
    <message>
        <source>他のフォームファイルを開きます。</source>
        <translation>Open another template file</translation>
    </message>
    <message>
        <source>このフォームを文字入力画面に反映します。</source>
        <translation>Use this template for the labels being edited</translation>
    </message>
    <message>
        <source>このフォームで文字入力を始めます。</source>
        <translation>Start typing labels on this template</translation>
    </message>
    <message>
        <source>Ｏ   Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>開    く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保    存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>フォームファイルを保存します。</source>
        <translation>Save the template file</translation>
    </message>
    <message>
        <source>閉 じ る</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>フォームの設定を閉じます。</source>
        <translation>Close the template designer</translation>
    </message>
    <message>
        <source>フォームイメージ</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>倍率：</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>ラベル①は、削除できません</source>
        <translation>Label ① cannot be deleted</translation>
    </message>
    <message>
        <source>データが編集されています。<byte value="xd"/>保存せずに他のフォームを開きますか？</source>
        <translation>The template has been changed.<byte value="xd"/>Open another one without saving?</translation>
    </message>
    <message>
        <source>フォーム名を入力してください。</source>
        <translation>Please enter a template name.</translation>
    </message>
    <message>
        <source>データが編集されています。<byte value="xd"/>このまま終了しますか？</source>
        <translation>The template has been changed.<byte value="xd"/>Close without saving?</translation>
    </message>
    <message>
        <source>横端から</source>
        <translation>Left: </translation>
    </message>
    <message>
        <source>縦端から</source>
        <translation>Top: </translation>
    </message>
    <message>
        <source>製品から選ぶ</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>市販のラベル用紙を製品番号などで探して、そのままフォームにします。</source>
        <translation>Find a label sheet you bought by its product code and use it as the template</translation>
    </message>
    <message>
        <source>格子で配置</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>列と行、ラベルの大きさ、余白とピッチからラベルを並べます。</source>
        <translation>Lay out the labels from columns, rows, label size, margins and pitch</translation>
    </message>
    <message>
        <source>製品として保存</source>
        <translation>Save Product</translation>
    </message>
    <message>
        <source>このフォームを「製品から選ぶ」の一覧に加えます。</source>
        <translation>Add this template to the product list</translation>
    </message>
    <message>
        <source>製品「%1」はすでに保存されています。<byte value="xd"/>上書きしますか？</source>
        <translation>The product “%1” has been saved before.<byte value="xd"/>Overwrite it?</translation>
    </message>
    <message>
        <source>製品「%1」はカタログにあります。<byte value="xd"/>一覧ではこの保存した製品に置き換わります。保存しますか？</source>
        <translation>The product “%1” is in the catalogue.<byte value="xd"/>The list will show your saved product instead. Save it?</translation>
    </message>
    <message>
        <source>製品「%1」を保存しました。<byte value="xd"/>「製品から選ぶ」で選べます。</source>
        <translation>The product “%1” was saved.<byte value="xd"/>You can choose it under “Product”.</translation>
    </message>
</context>
<context>
    <name>porkane::TemplateDraft</name>
    <message>
        <source>文字入力中の文書には %1 面のラベルがあります。%1 面以上の配置を選んでください。</source>
        <translation>The document being edited has %1 labels. Please choose a layout of %1 labels or more.</translation>
    </message>
</context>
<context>
    <name>porkane::TemplateFields</name>
    <message>
        <source>フォーム名</source>
        <translation>Template Name</translation>
    </message>
    <message>
        <source>フォームサイズ</source>
        <translation>Sheet Size</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>横長：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>縦長：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>ラベル設定</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>  Ｎｏ．</source>
        <translation>  No.</translation>
    </message>
    <message>
        <source>ラベルの追加</source>
        <translation>Add Label</translation>
    </message>
    <message>
        <source>ラベルを一つ追加します。</source>
        <translation>Add one label</translation>
    </message>
    <message>
        <source>ラベルの削除</source>
        <translation>Delete Label</translation>
    </message>
    <message>
        <source>選択中のラベルを削除します。</source>
        <translation>Delete the selected label</translation>
    </message>
    <message>
        <source>２．フォーム横端から           ラベル横端まで゜</source>
        <translation>2. From the sheet&apos;s  top edge</translation>
    </message>
    <message>
        <source>1．フォーム縦端から           ラベル縦端まで゜</source>
        <translation>1. From the sheet&apos;s  left edge</translation>
    </message>
    <message>
        <source>４．ラベル横長</source>
        <translation>4. Label width</translation>
    </message>
    <message>
        <source>３．ラベル縦長</source>
        <translation>3. Label height</translation>
    </message>
    <message>
        <source>６．ラベル横端からの           印刷開始位置</source>
        <translation>6. Print start from  the label&apos;s top</translation>
    </message>
    <message>
        <source>５．ラベル縦端からの           印刷開始位置</source>
        <translation>5. Print start from  the label&apos;s left</translation>
    </message>
    <message>
        <source>プリンタ挿入方向</source>
        <translation>Feed Direction</translation>
    </message>
</context>
</TS>
