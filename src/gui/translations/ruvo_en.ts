<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>LogicText</name>
    <message>
        <source>プロジェクトは変更されています。変更を保存しますか？</source>
        <translation>The project has been changed. Do you want to save the changes?</translation>
    </message>
    <message>
        <source>ファイルは移動されたか削除されています</source>
        <translation>The file has been moved or deleted</translation>
    </message>
    <message>
        <source>ファイル形式が正しくありません。</source>
        <translation>The file format is not valid.</translation>
    </message>
    <message>
        <source>ファイル形式が正しくありません</source>
        <translation>The file format is not valid</translation>
    </message>
    <message>
        <source>ＲＵＶＯ</source>
        <translation>RUVO</translation>
    </message>
    <message>
        <source>%1 - ＲＵＶＯ</source>
        <translation>%1 - RUVO</translation>
    </message>
    <message>
        <source>予期せぬエラー</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>プロジェクトバッチファイル(*.bat)|*.bat|RUVO形式ファイル(*.wsq)|*.wsq|すべてのファイル(*.*)|*.*</source>
        <translation>Project batch files|*.bat|RUVO sequence files|*.wsq|All files|*.*</translation>
    </message>
    <message>
        <source>プロジェクトバッチファイル(*.bat)|*.bat|RUVO形式ファイル(*.wsq)|*.wsq|すべてのファイル|*.*</source>
        <translation>Project batch files|*.bat|RUVO sequence files|*.wsq|All files|*.*</translation>
    </message>
    <message>
        <source>SMF形式ファイル(*.smf,*.mid)|*.smf;*.mid|VSQ形式ファイル(*.vsq)|*.vsq</source>
        <translation>MIDI files|*.smf;*.mid|VSQ files|*.vsq</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>%1を元に戻す(&amp;U)</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>ノートの変更</source>
        <translation>Note Change</translation>
    </message>
    <message>
        <source>ノートの貼付け</source>
        <translation>Paste Notes</translation>
    </message>
    <message>
        <source>ノートの削除</source>
        <translation>Delete Notes</translation>
    </message>
    <message>
        <source>休符の挿入</source>
        <translation>Insert Rest</translation>
    </message>
    <message>
        <source>ノートの挿入</source>
        <translation>Insert Note</translation>
    </message>
    <message>
        <source>キーの変更</source>
        <translation>Key Change</translation>
    </message>
    <message>
        <source>ノート結合</source>
        <translation>Merge Notes</translation>
    </message>
    <message>
        <source>クォンタイズ</source>
        <translation>Quantize</translation>
    </message>
    <message>
        <source>休符の除去</source>
        <translation>Remove Rests</translation>
    </message>
    <message>
        <source>歌詞</source>
        <translation>Lyrics</translation>
    </message>
    <message>
        <source>挿入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>歌詞の置換え</source>
        <translation>Replace Lyrics</translation>
    </message>
    <message>
        <source>歌詞の変更</source>
        <translation>Lyric Change</translation>
    </message>
    <message>
        <source>プロパティ</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>挿入する音を入力</source>
        <translation>Enter the sound to insert</translation>
    </message>
    <message>
        <source>移動量を半音単位で入力</source>
        <translation>Enter the shift in semitones</translation>
    </message>
    <message>
        <source>クォンタイズ単位の入力</source>
        <translation>Enter the quantize unit</translation>
    </message>
    <message>
        <source>入力値以下の休符を除去します</source>
        <translation>Removes the rests up to the length entered</translation>
    </message>
    <message>
        <source>wavファイル(*.wav)|*.wav|全てのファイル(*.*)|*.*</source>
        <translation>WAV files|*.wav|All files|*.*</translation>
    </message>
    <message>
        <source>実行ファイル(*.exe)|*.exe|全てのファイル(*.*)|*.*</source>
        <translation>Programs (*.exe)|*.exe|All files|*.*</translation>
    </message>
    <message>
        <source>WAV作成時の中間ファイルを全て削除しました。</source>
        <translation>All intermediate files of WAV rendering have been deleted.</translation>
    </message>
    <message>
        <source>期限の設定が不正</source>
        <translation>The age limit is not valid</translation>
    </message>
    <message>
        <source>上限の設定が不正</source>
        <translation>The size limit is not valid</translation>
    </message>
    <message>
        <source>選んだプログラムを信頼するプログラムの一覧に記録できませんでした。</source>
        <translation>The chosen program could not be added to the list of trusted programs.</translation>
    </message>
    <message>
        <source>このコマンドを実行する前にプロジェクトを保存してください。</source>
        <translation>Save the project before running this command.</translation>
    </message>
    <message>
        <source>何も作成されていません。</source>
        <translation>Nothing has been created.</translation>
    </message>
    <message>
        <source>音声フォルダが設定されていません。プロジェクトの設定で音声ファイルの場所を設定してください。</source>
        <translation>No voice folder is set. Set the folder of the voice files in the project settings.</translation>
    </message>
    <message>
        <source>%1を作成しました。</source>
        <translation>%1 has been created.</translation>
    </message>
    <message>
        <source>wavファイルの生成に失敗しました。設定を確認してください。</source>
        <translation>Rendering the WAV file failed. Check the settings.</translation>
    </message>
    <message>
        <source>プロジェクトのファイルパスが不正です。</source>
        <translation>The file path of the project is not valid.</translation>
    </message>
    <message>
        <source>選択部分がありません。</source>
        <translation>Nothing is selected.</translation>
    </message>
    <message>
        <source>プロジェクトの仮作成に失敗しました。設定を確認してください。</source>
        <translation>The temporary project could not be made. Check the settings.</translation>
    </message>
    <message>
        <source>wavファイルが生成されていません。</source>
        <translation>No WAV file has been rendered.</translation>
    </message>
    <message>
        <source>再生できません。</source>
        <translation>Cannot play.</translation>
    </message>
    <message>
        <source>今聞いたのを保存</source>
        <translation>Save What You Just Heard</translation>
    </message>
    <message>
        <source>wavファイル(*.wav)|*.wav|すべてのファイル(*.*)|*.*</source>
        <translation>WAV files|*.wav|All files|*.*</translation>
    </message>
    <message>
        <source>wavファイル|*.wav|すべてのファイル|*.*</source>
        <translation>WAV files|*.wav|All files|*.*</translation>
    </message>
    <message>
        <source>信頼したプログラムの一覧を読めません。一覧のプログラムは信頼しません。</source>
        <translation>The list of trusted programs cannot be read. Its programs are not trusted.</translation>
    </message>
    <message>
        <source>信頼したプログラムの一覧を保存できません。</source>
        <translation>The list of trusted programs cannot be saved.</translation>
    </message>
    <message>
        <source>サウンドデバイスを開けません（%1: %2）</source>
        <translation>Cannot open the sound device (%1: %2)</translation>
    </message>
    <message>
        <source>「%1」は開かれていません。</source>
        <translation>&quot;%1&quot; is not open.</translation>
    </message>
    <message>
        <source>このプロジェクトは次のプログラムを実行します（%1用）。</source>
        <translation>This project runs the following program (for %1).</translation>
    </message>
    <message>
        <source>WAVの結合</source>
        <translation>joining the WAV</translation>
    </message>
    <message>
        <source>音程と長さの変換</source>
        <translation>changing pitch and length</translation>
    </message>
    <message>
        <source>設定したことのないプログラムです。信頼できる場合だけ実行してください。</source>
        <translation>You have never set this program. Run it only if you trust it.</translation>
    </message>
    <message>
        <source>次のノートの音は作成されませんでした:%1</source>
        <translation>No sound was made for these notes:%1</translation>
    </message>
    <message>
        <source>%1 ほか%2個</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>新規プロジェクト - ＲＵＶＯ</source>
        <translation>New project - RUVO</translation>
    </message>
    <message>
        <source>新規プロジェクト (%1) - ＲＵＶＯ</source>
        <translation>New project (%1) - RUVO</translation>
    </message>
    <message>
        <source>%1「%2」、%3</source>
        <translation>%1 &quot;%2&quot;, %3</translation>
    </message>
    <message>
        <source>「%1」の周波数表を再作成します。</source>
        <translation>Makes the frequency table of &quot;%1&quot; again.</translation>
    </message>
    <message>
        <source>%1の周波数表を更新しました。</source>
        <translation>The frequency table of %1 has been updated.</translation>
    </message>
    <message>
        <source>%1の周波数表を更新出来ませんでした。</source>
        <translation>The frequency table of %1 could not be updated.</translation>
    </message>
    <message>
        <source>ファイルに書き込んでいません。変更を破棄してよろしいですか？</source>
        <translation>The changes have not been written to the file. Discard them?</translation>
    </message>
    <message>
        <source>音声フォルダが見つかりません: %1</source>
        <translation>Voice folder not found: %1</translation>
    </message>
    <message>
        <source>範囲外の値を直しました:</source>
        <translation>Values out of range were corrected:</translation>
    </message>
    <message>
        <source>ノート%1「%2」の長さ %3 → %4</source>
        <translation>Note %1 &quot;%2&quot;: length %3 → %4</translation>
    </message>
    <message>
        <source>ノート%1「%2」のキー %3 → %4</source>
        <translation>Note %1 &quot;%2&quot;: key %3 → %4</translation>
    </message>
    <message>
        <source>作業フォルダを作成できません。</source>
        <translation>The working folder cannot be created.</translation>
    </message>
    <message>
        <source>テンポ「%1」は使えません。%2から%3までの数を入力してください。</source>
        <translation>Tempo &quot;%1&quot; cannot be used. Enter a number from %2 to %3.</translation>
    </message>
    <message>
        <source>%1「%2」は使えません。%3から%4までの数を入力してください。</source>
        <translation>%1 &quot;%2&quot; cannot be used. Enter a number from %3 to %4.</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>先行発声</source>
        <translation>Preutterance</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>モジュレーション</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>次の中間ファイルを削除できませんでした:</source>
        <translation>These intermediate files could not be deleted:</translation>
    </message>
    <message>
        <source>ほか%1個</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>wavファイルの生成を中止しました。</source>
        <translation>Rendering the WAV file was cancelled.</translation>
    </message>
    <message>
        <source>原音設定</source>
        <translation>Voice Bank Settings</translation>
    </message>
    <message>
        <source>予期しないエラー</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>選択したエントリを削除します。</source>
        <translation>Deletes the selected entries.</translation>
    </message>
    <message>
        <source>削除するとパラメータがクリアされますが、ファイルは削除しません。</source>
        <translation>Their values are cleared; the files are not deleted.</translation>
    </message>
    <message>
        <source>選択した%1個の原音の周波数表を再作成します。</source>
        <translation>Makes the frequency tables of the %1 selected recordings again.</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>%1をやり直し(&amp;R)</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>このファイルはプロジェクトではありません。</source>
        <translation>This file is not a project.</translation>
    </message>
    <message>
        <source>ファイルを開けませんでした。</source>
        <translation>The file could not be opened.</translation>
    </message>
    <message>
        <source>保存できませんでした。</source>
        <translation>The project could not be saved.</translation>
    </message>
    <message>
        <source>音声フォルダを読めませんでした。</source>
        <translation>The voice folder could not be read.</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>キャッシュを整理できませんでした。</source>
        <translation>The cache could not be tidied up.</translation>
    </message>
    <message>
        <source>説明書が見つかりません。次の場所を探しました:</source>
        <translation>No user guide was found. These places were searched:</translation>
    </message>
    <message>
        <source>説明書を開くプログラムがありません。</source>
        <translation>There is no program to open the user guide.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規(&amp;N)...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前をつけて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>追加で読込む(&amp;P)...</source>
        <translation>A&amp;ppend...</translation>
    </message>
    <message>
        <source>インポート(&amp;I)...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>削除(&amp;K)</source>
        <translation>Delete (&amp;K)</translation>
    </message>
    <message>
        <source>全て選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>Rを挿入(&amp;I)</source>
        <translation>&amp;Insert R</translation>
    </message>
    <message>
        <source>選択部分を上へ移動(&amp;U)</source>
        <translation>Move Selection &amp;Up</translation>
    </message>
    <message>
        <source>選択部分を下へ移動(&amp;D)</source>
        <translation>Move Selection &amp;Down</translation>
    </message>
    <message>
        <source>選択部分を数値で移動(&amp;N)...</source>
        <translation>Move Selection by &amp;Number...</translation>
    </message>
    <message>
        <source>ノート結合(&amp;M)</source>
        <translation>&amp;Merge Notes</translation>
    </message>
    <message>
        <source>クォンタイズ(&amp;Q)...</source>
        <translation>&amp;Quantize...</translation>
    </message>
    <message>
        <source>休符の除去(&amp;J)...</source>
        <translation>Remove Rests (&amp;J)...</translation>
    </message>
    <message>
        <source>選択部分のﾌﾟﾛﾊﾟﾃｨ(&amp;R)...</source>
        <translation>P&amp;roperties of the Selection...</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>縮小(&amp;O)</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>先頭へ移動(&amp;T)</source>
        <translation>Go to &amp;Top</translation>
    </message>
    <message>
        <source>最後へ移動(&amp;E)</source>
        <translation>Go to &amp;End</translation>
    </message>
    <message>
        <source>音リストを表示(&amp;L)...</source>
        <translation>Sound &amp;List...</translation>
    </message>
    <message>
        <source>縦幅（小)(&amp;S)</source>
        <translation>Row Height &amp;Small</translation>
    </message>
    <message>
        <source>縦幅（中）(&amp;M)</source>
        <translation>Row Height &amp;Medium</translation>
    </message>
    <message>
        <source>縦幅（大）(&amp;L)</source>
        <translation>Row Height &amp;Large</translation>
    </message>
    <message>
        <source>プロジェクト(&amp;P)</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>wavファイルを生成(&amp;G)...</source>
        <translation>&amp;Generate WAV File...</translation>
    </message>
    <message>
        <source>生成ファイルを再生(&amp;P)...</source>
        <translation>&amp;Play Generated File...</translation>
    </message>
    <message>
        <source>聞く(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>一時停止(&amp;A)</source>
        <translation>P&amp;ause</translation>
    </message>
    <message>
        <source>停止(&amp;S)</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>プロジェクトのプロパティ(&amp;R)</source>
        <translation>Project P&amp;roperties</translation>
    </message>
    <message>
        <source>再生(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>選択部分を再生(&amp;O)</source>
        <translation>Play Selecti&amp;on</translation>
    </message>
    <message>
        <source>もう一度再生(&amp;R)</source>
        <translation>Play Again (&amp;R)</translation>
    </message>
    <message>
        <source>一時停止(&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>停止(&amp;O)</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <source>今聞いたのを保存(S)...</source>
        <translation>Save What You Just Heard (S)...</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>原音の設定(&amp;S)...</source>
        <translation>Voice Bank &amp;Settings...</translation>
    </message>
    <message>
        <source>オプション(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン(&amp;V)...</source>
        <translation>&amp;Version...</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>生成・再生♪</source>
        <translation>Generate and Play ♪</translation>
    </message>
    <message>
        <source>再生のみ♪</source>
        <translation>Play Only ♪</translation>
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
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>プロパティ</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>テスト２</source>
        <translation>Test 2</translation>
    </message>
    <message>
        <source>音リスト...</source>
        <translation>Sound List...</translation>
    </message>
    <message>
        <source>挿入...</source>
        <translation>Insert...</translation>
    </message>
    <message>
        <source>全て選択</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>選択解除</source>
        <translation>Select None</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>1拍の長さ</source>
        <translation>Beat length</translation>
    </message>
    <message>
        <source>選択したノートの長さ</source>
        <translation>Length of the selected notes</translation>
    </message>
</context>
<context>
    <name>RollMouseController</name>
    <message>
        <source>次のノートが歌われているので長くできません。Ctrlを押しながらドラッグすると次のノートを短くします。</source>
        <translation>The next note is sung, so this note cannot grow. Drag with Ctrl held to shorten the next note.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>L64 64分音符</source>
        <translation>1/64</translation>
    </message>
    <message>
        <source>L48 3連32分</source>
        <translation>1/32T</translation>
    </message>
    <message>
        <source>L32 32分音符</source>
        <translation>1/32</translation>
    </message>
    <message>
        <source>L24 3連16分</source>
        <translation>1/16T</translation>
    </message>
    <message>
        <source>L16 16分音符</source>
        <translation>1/16</translation>
    </message>
    <message>
        <source>L12 3連8分</source>
        <translation>1/8T</translation>
    </message>
    <message>
        <source>L8  8分音符</source>
        <translation>1/8</translation>
    </message>
    <message>
        <source>L6  3連4分</source>
        <translation>1/4T</translation>
    </message>
    <message>
        <source>L4  4分音符</source>
        <translation>1/4</translation>
    </message>
    <message>
        <source>L2  ２分音符</source>
        <translation>1/2</translation>
    </message>
    <message>
        <source>L3  ３連２分</source>
        <translation>1/2T</translation>
    </message>
    <message>
        <source>L4  ４分音符</source>
        <translation>1/4</translation>
    </message>
    <message>
        <source>L6  ３連４分</source>
        <translation>1/4T</translation>
    </message>
    <message>
        <source>L8  ８分音符</source>
        <translation>1/8</translation>
    </message>
    <message>
        <source>L12 ３連８分</source>
        <translation>1/8T</translation>
    </message>
    <message>
        <source>置換</source>
        <translation>Repl</translation>
    </message>
    <message>
        <source>挿入</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>拡</source>
        <translation>+</translation>
    </message>
    <message>
        <source>縮</source>
        <translation>-</translation>
    </message>
    <message>
        <source>始</source>
        <translation>|&lt;</translation>
    </message>
    <message>
        <source>終</source>
        <translation>&gt;|</translation>
    </message>
    <message>
        <source>曲の始めのテンポ（1分間の拍数）</source>
        <translation>Tempo at the start of the song (beats per minute)</translation>
    </message>
    <message>
        <source>ノートの長さを変えるときの単位</source>
        <translation>Unit that note lengths snap to when dragged</translation>
    </message>
    <message>
        <source>歌詞を入力して「挿入」か「置換」を押します。ダブルクリックで1行1語に編集します。</source>
        <translation>Type lyrics, then press Ins or Repl. Double-click to edit one word per line.</translation>
    </message>
    <message>
        <source>歌詞の入力で作るノートとダブルクリックで描くノートの長さ</source>
        <translation>Length of the notes that typed lyrics and double-clicks make</translation>
    </message>
    <message>
        <source>選択したノートの歌詞を入力した歌詞で置き換えます</source>
        <translation>Replace the lyrics of the selected notes with the typed lyrics</translation>
    </message>
    <message>
        <source>入力した歌詞のノートを選択したノートの前に挿入します</source>
        <translation>Insert notes of the typed lyrics before the selected note</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>先頭へ移動</source>
        <translation>Go to the start</translation>
    </message>
    <message>
        <source>最後へ移動</source>
        <translation>Go to the end</translation>
    </message>
    <message>
        <source>クォンタイズ</source>
        <translation>Quantize</translation>
    </message>
    <message>
        <source>歌詞</source>
        <translation>Lyrics</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::AboutDialog</name>
    <message>
        <source>これについて</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ＲＵＶＯ</source>
        <translation>RUVO</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::EditBoxDialog</name>
    <message>
        <source>テキスト入力</source>
        <translation>Text Entry</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::FrequencyGenerationDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>「%1」の周波数表を作成しています...</source>
        <translation>Making the frequency table of &quot;%1&quot;...</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::FrequencyTableDialog</name>
    <message>
        <source>単音伸縮ツールで使用する周波数表を編集します。ツールはこの表を元にキーの変換を行います。</source>
        <translation>Edits the frequency table the resampling tool uses. The tool changes the key by this table.</translation>
    </message>
    <message>
        <source>基本的にこの表は自動的に作成されますが、原音の特性によっては編集が必要になることがあります。</source>
        <translation>The table is normally made automatically, but some recordings need it edited.</translation>
    </message>
    <message>
        <source>ダブルクリック</source>
        <translation>Double-click</translation>
    </message>
    <message>
        <source>セット</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>書き込む</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>再作成</source>
        <translation>Remake</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::LanguageChoiceView</name>
    <message>
        <source>デスクトップに合わせる</source>
        <translation>Follow the desktop</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>英語</source>
        <translation>English</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>言語の変更は次に起動したときから有効になります。</source>
        <translation>A new language takes effect when ruvo starts next.</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::NotePropertyDialog</name>
    <message>
        <source>▽詳細</source>
        <translation>▽Details</translation>
    </message>
    <message>
        <source>△隠す</source>
        <translation>△Hide</translation>
    </message>
    <message>
        <source>** 選択範囲のプロパティ **</source>
        <translation>** Properties of the Selection **</translation>
    </message>
    <message>
        <source>音のプロパティ</source>
        <translation>Note Properties</translation>
    </message>
    <message>
        <source>詞</source>
        <translation>Lyric</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>ピッチ編集...</source>
        <translation>Edit Pitch...</translation>
    </message>
    <message>
        <source>原音を設定してください</source>
        <translation>Set a voice bank first</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>先行発声</source>
        <translation>Preutterance</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>モジュレーション</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>0～100(normal=50)</source>
        <translation>0-100 (normal=50)</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::OptionsDialog</name>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>全般</source>
        <translation>General</translation>
    </message>
    <message>
        <source>原音の登録</source>
        <translation>Voice Banks</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>セット</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>場所</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>原音の設定</source>
        <translation>Voice banks</translation>
    </message>
    <message>
        <source>一番上の設定が新規プロジェクトのデフォルトとなります。この設定はプロジェクトのプロパティの原音選択リストに反映されます。</source>
        <translation>The top entry is the default of a new project. The list is offered in the voice bank choice of the project properties.</translation>
    </message>
    <message>
        <source>キャッシュ</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>中間ファイルをキャッシュする</source>
        <translation>Cache intermediate files</translation>
    </message>
    <message>
        <source>キャッシュを削除しない</source>
        <translation>Never delete the cache</translation>
    </message>
    <message>
        <source>終了時にキャッシュを削除</source>
        <translation>Delete the cache on quitting</translation>
    </message>
    <message>
        <source>一定の容量を超えたら古いものから削除</source>
        <translation>Delete the oldest files beyond a size</translation>
    </message>
    <message>
        <source>一定の期間を過ぎたファイルを削除</source>
        <translation>Delete files older than an age</translation>
    </message>
    <message>
        <source>日</source>
        <translation>days</translation>
    </message>
    <message>
        <source>キャッシュの設定</source>
        <translation>Cache settings</translation>
    </message>
    <message>
        <source>wavファイル生成時の中間ファイルの扱いを設定します。キャッシとして残すと生成処理が早くなることがありますが、ディスク容量が多く必要になります。</source>
        <translation>Sets what happens to the intermediate files of WAV rendering. Keeping them as a cache can make rendering faster, but needs more disk space.</translation>
    </message>
    <message>
        <source>パス</source>
        <translation>Paths</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>ツール１（append)</source>
        <translation>Tool 1 (append)</translation>
    </message>
    <message>
        <source>ツール２（resample)</source>
        <translation>Tool 2 (resample)</translation>
    </message>
    <message>
        <source>この設定はプロジェクト新規作成時のデフォルトとなります。</source>
        <translation>These are the defaults of a new project.</translation>
    </message>
    <message>
        <source>切り張りツールと原音リサンプルツールへのパスを設定します。</source>
        <translation>Sets the paths of the joining tool and the resampling tool.</translation>
    </message>
    <message>
        <source>同時に実行する resampler の数</source>
        <translation>Resampler processes at once</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::OtoSettingsDialog</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>エイリアス</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>オフセット</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>子音部</source>
        <translation>Consonant</translation>
    </message>
    <message>
        <source>ブランク</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>先行発声</source>
        <translation>Preutterance</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>セット</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>エディタを起動</source>
        <translation>Open Editor</translation>
    </message>
    <message>
        <source>周波数表の編集</source>
        <translation>Edit Frequency Table</translation>
    </message>
    <message>
        <source>周波数表を初期化</source>
        <translation>Reset Frequency Table</translation>
    </message>
    <message>
        <source>「エイリアス」はファイル名を読み替えます。(&quot;sa.wav&quot;→&quot;さ&quot;等）</source>
        <translation>&quot;Alias&quot; gives a recording the name lyrics use (for example &quot;sa.wav&quot; → &quot;sa&quot;).</translation>
    </message>
    <message>
        <source>「オフセット」は原音ファイルの頭の無音部分を読み飛ばす設定です。</source>
        <translation>&quot;Offset&quot; skips the silence at the start of the recording.</translation>
    </message>
    <message>
        <source>「子音部」には頭の伸縮させない部分の長さを指定します。</source>
        <translation>&quot;Consonant&quot; is the length of the start that is never stretched.</translation>
    </message>
    <message>
        <source>「ブランク」は終りの空白部分です。</source>
        <translation>&quot;Blank&quot; is the unused part at the end.</translation>
    </message>
    <message>
        <source>設定は原音側に保存されます</source>
        <translation>The settings are saved with the voice bank</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>周波数表を作成しています...</source>
        <translation>Making frequency tables...</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::PitchCurveDialog</name>
    <message>
        <source>ピッチエディタ</source>
        <translation>Pitch Editor</translation>
    </message>
    <message>
        <source>／</source>
        <translation>/</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::ProjectPropertiesDialog</name>
    <message>
        <source>プロジェクトの設定</source>
        <translation>Project Settings</translation>
    </message>
    <message>
        <source>キャッシュを削除</source>
        <translation>Delete Cache</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>プロジェクト名</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>出力wavファイル名</source>
        <translation>Output WAV file</translation>
    </message>
    <message>
        <source>音ファイルフォルダ</source>
        <translation>Voice folder</translation>
    </message>
    <message>
        <source>ツール１（append)</source>
        <translation>Tool 1 (append)</translation>
    </message>
    <message>
        <source>ツール２（resample)</source>
        <translation>Tool 2 (resample)</translation>
    </message>
    <message>
        <source>生成時オプション</source>
        <translation>Render flags</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::SampleEditorDialog</name>
    <message>
        <source>オフセット</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>子音部</source>
        <translation>Consonant</translation>
    </message>
    <message>
        <source>ブランク</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::SelectTrackDialog</name>
    <message>
        <source>トラックを選択</source>
        <translation>Select Track</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>取込むトラックを選択してください。</source>
        <translation>Choose the track to import.</translation>
    </message>
    <message>
        <source>このトラックにはノートがありません。</source>
        <translation>This track has no notes.</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::ShowRunningWindow</name>
    <message>
        <source>wavファイルの作成</source>
        <translation>Rendering the WAV File</translation>
    </message>
    <message>
        <source>外部プロセス実行中です...</source>
        <translation>External processes are running...</translation>
    </message>
    <message>
        <source>待機をやめる</source>
        <translation>Stop Waiting</translation>
    </message>
    <message>
        <source>経過時間 %1 秒</source>
        <translation>Elapsed time %1 s</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::SoundListWindow</name>
    <message>
        <source>リストから挿入</source>
        <translation>Insert from List</translation>
    </message>
    <message>
        <source>置換</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>消音</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>クリックで音が出ます。</source>
        <translation>Click to hear a sound.</translation>
    </message>
    <message>
        <source>ダブルクリックで選択部分の先頭に挿入します</source>
        <translation>Double-click to insert at the start of the selection</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::TrustToolDialog</name>
    <message>
        <source>プログラムの実行</source>
        <translation>Run a Program</translation>
    </message>
    <message>
        <source>実行する</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>設定のツールを使う</source>
        <translation>Use the Configured Tools</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ruvo::gui::WaveformView</name>
    <message>
        <source>オフセット</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>子音部</source>
        <translation>Consonant</translation>
    </message>
    <message>
        <source>ブランク</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>先行発声</source>
        <translation>Preutterance</translation>
    </message>
</context>
</TS>
