#pragma once
// velni2qx-cli --help: all of it in Japanese, with the exit statuses and examples.

namespace velni::cli {

inline constexpr char kHelpText[] =
    "使い方:\n"
    "  velni2qx-cli [オプション] 変換元ファイル 変換先フォルダ\n"
    "  velni2qx-cli --batch [オプション] 変換元フォルダ 変換先フォルダ\n"
    "  velni2qx-cli --check [--data-folder フォルダ] [--report ファイル.json] 主データファイル...\n"
    "  velni2qx-cli --batch --check [--data-folder フォルダ] [--report ファイル.json] 変換元フォルダ\n"
    "  velni2qx-cli --picture 図.svg|図.png|図.pdf 主データファイル\n"
    "  velni2qx-cli --batch --pictures 出力フォルダ 変換元フォルダ\n"
    "  velni2qx-cli [--batch] --xml 出力 [--xml-version 4.00|3.00] [--survey-facts ファイル] 変換元\n"
    "\n"
    "VELNI柱状図 -> Qx 変換プログラムのコマンドライン版です。主データファイル (MDT*.JDF) と\n"
    "同じフォルダの記事ファイル (KDT…) と試験ファイル (NDT…) を読み、変換先フォルダに\n"
    "CNT.TXT、Titl01.txt など 10 個のファイルを書きます。相対パスは現在のフォルダから見たものです。\n"
    "\n"
    "オプション:\n"
    "  --data-folder フォルダ   データフォルダ PATDAT を指定します\n"
    "  --yes                    変換先フォルダがなければ尋ねずに作成します\n"
    "  --no                     変換先フォルダがなければ作成せずに終わります\n"
    "  --batch                  変換元フォルダの下の MDT*.JDF をすべて、変換先フォルダ/<フォルダ>/<ファイル名>/\n"
    "                           へ変換します (フォルダは尋ねずに作成します)\n"
    "  --report ファイル.json   柱状図ごとの結果 (状態、書いたファイル、件数、新しい土質名、CNT.TXT の行) を\n"
    "                           JSON で書きます\n"
    "  --xml ファイル           変換元ファイルをボーリング交換用データ (XML) に書き出します。--batch では\n"
    "                           フォルダを指定し、柱状図ごとに <フォルダ>/<ファイル名>.XML を書きます。\n"
    "                           10 個のファイルは書かず、データフォルダも使いません\n"
    "  --xml-version 版         交換用データの DTD の版 4.00 (既定) または 3.00\n"
    "  --survey-facts ファイル  交換用データに書く調査の事実 (調査会社、適用規格、調査目的など) のファイル。\n"
    "                           1 行に「要素名 = 値」、# で始まる行は注釈、UTF-8 かコードページ 932。\n"
    "                           --batch では柱状図のフォルダから変換元フォルダまで上へたどり、同じ名前の\n"
    "                           いちばん近いファイルを使います (なければ指定したファイル)。ファイルが\n"
    "                           なくても誤りではありません。ボーリング総数と連番は一括の件数と順番です\n"
    "  --quiet                  拒否と失敗のほかは表示しません\n"
    "  --verbose                データフォルダ、パス、書いたファイル、件数、新しい土質名も表示します\n"
    "  --check                  変換せずに柱状図を検査し、問題を 1 行に 1 つ表示します (何も書きません)。\n"
    "                           終了状態は 0 問題なし、1 警告だけ、2 誤りあり (変換が失敗または拒否される)\n"
    "  --check --xml-version 版 交換用データ (XML) に書き出すとき空になる必須要素も警告します\n"
    "                           (--survey-facts も書き出しと同じように使えます)\n"
    "  --picture 図のファイル   柱状図を描きます。拡張子で SVG、PNG、PDF (A4、縮尺 1:100) を選びます\n"
    "  --pictures 出力フォルダ  --batch と一緒に、柱状図ごとに PDF を出力フォルダ/<フォルダ>/<ファイル名>.pdf へ描きます\n"
    "  --version                版を表示します\n"
    "  -h, --help               この説明を表示します\n"
    "\n"
    "データフォルダは次の順に探します: --data-folder、環境変数 VELNI2QX_DATA_FOLDER または設定ファイル\n"
    "~/.config/velni2qx/velni2qx.conf の \"data-folder=\" の行、プログラムと同じフォルダの PATDAT、\n"
    "~/.local/share/velni2qx/PATDAT (初めて使うときにインストールされたひな形から作ります)。\n"
    "ウィンドウ版 velni2qx も同じ順で探すので、土質名のコードは両方で同じになります。\n"
    "\n"
    "終了状態:\n"
    "  0   変換が正常に終了しました (--batch: すべて正常終了)\n"
    "  1   開始時の検査で拒否しました。何も読み書きしていません (--batch: 変換元フォルダまたは MDT*.JDF がありません)\n"
    "  2   実行中に失敗しました。メッセージがファイル、レコード、項目を示します (--batch: 拒否または失敗が 1 件以上)\n"
    "  3   データフォルダがありません\n"
    "  64  使い方の誤り\n"
    "\n"
    "例:\n"
    "  velni2qx-cli --yes survey/B01/MDT0101.JDF /home/user/DATA/SITE1/B01\n"
    "  velni2qx-cli --batch --report result.json survey /home/user/DATA\n"
    "  velni2qx-cli --check survey/B01/MDT0101.JDF\n"
    "  velni2qx-cli --picture B01.pdf survey/B01/MDT0101.JDF\n"
    "  velni2qx-cli --xml B01.XML survey/B01/MDT0101.JDF\n"
    "  velni2qx-cli --batch --xml XML --survey-facts survey-facts.txt survey\n";

// Every error line on standard error begins with the program's name.
inline constexpr char kErrorPrefix[] = "velni2qx-cli: ";
inline constexpr char kUsageError[] = "使い方が正しくありません";
inline constexpr char kSeeHelp[] = "説明は velni2qx-cli --help で表示します。";

}  // namespace velni::cli
