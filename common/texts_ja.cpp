// The Japanese texts.
#include "common/texts.h"

namespace lark {

using enum Text;

extern constexpr TextEntry JapaneseTexts[TextCount] = {
    {MenuTools, L"ツール(&T)"},
    {MenuSecure, L"空き領域確保(&R)"},
    {MenuCleanup, L"メモリ クリーンアップ"},
    {MenuTrim, L"ワーキング セットの縮小(&W)"},
    {MenuHistory, L"履歴を開く(&L)"},
    {MenuExit, L"終了(&X)"},
    {MenuSettings, L"設定(&C)"},
    {MenuOptions, L"カスタマイズ(&c)"},
    {MenuSettingsPage, L"詳細設定(&D)..."},
    {MenuHelp, L"ヘルプ(&H)"},
    {MenuHelpTopics, L"ヘルプ(&h)"},
    {MenuAbout, L"バージョン情報(&A)"},

    {SizeRowsTitle, L"システムメモリ詳細"},
    {AmountCaption, L"確保容量"},
    {WarningCaption, L"警告サイズ"},
    {OptionsButton, L"設定"},
    {SecureButton, L"空き領域確保"},
    {CleanupHeading, L"システムメモリをクリーンアップ中です......"},
    {CleanupHeadingStandard, L"システムメモリを標準クリーンアップ中です......"},
    {CleanupHeadingFull, L"システムメモリを完全クリーンアップ中です......"},
    {StopCleanupButton, L"中止(&S)"},
    {LowMemoryQuestion, L"空きメモリが警告値より少なくなっています。\rシステムメモリを確保しますか？"},
    {LowMemorySecured, L"空きメモリが警告値を下回ったため、空き領域の確保を実行しました。\n"},

    {RowTotalPhysical, L"全物理メモリ"},
    {RowAvailablePhysical, L"使用可能物理メモリ"},
    {RowTotalVirtual, L"全仮想メモリ"},
    {RowAvailableVirtual, L"使用可能仮想メモリ"},
    {RowPageFile, L"ﾍﾟｰｼﾞﾝｸﾞﾌｧｲﾙ残量"},
    {DetailsTitle, L"- システムメモリ詳細 -"},

    {GaugeSentence, L"{0}%の空きメモリが存在します"},
    {GaugeHeading, L"物理メモリ 詳細"},
    {GaugeUsed, L"使用物理メモリ"},
    {GaugeFree, L"空き物理メモリ"},
    {GraphTitle, L"メモリ空き容量"},
    {GraphSpoken, L"メモリ空き容量{0}%"},
    {TrayTip, L"Larkspan -{0}%の空きメモリ"},
    {StartingTip, L"Larkspan - 起動準備をしています"},

    {IdleStatus, L"システムメモリ監視中"},
    {SecuringStatus, L"空き領域確保中"},
    {SecuringTip, L"Larkspan - 空き領域確保中"},
    {TrimmingStatus, L"ワーキング セットを縮小中"},
    {TrimmingTip, L"Larkspan - ワーキング セットを縮小中"},
    {CleanupStatus, L"メモリ内をクリーンアップしています。"},
    {CleanupTip, L"Larkspan - メモリ クリーンアップ中"},
    {CleanupDoneStatus, L"クリーンアップにより{0}"},
    {GainBytes, L"{0}Byte"},
    {GainKilobytes, L"{0}KB"},
    {GainMegabytes, L"{0}MB"},
    {SecureSucceeded, L"{0} メモリ確保に成功しました"},
    {SecureFailed, L"メモリを確保できませんでした"},
    {CleanupSucceededBytes, L"{0}バイトのシステムメモリ確保に成功しました。"},
    {CleanupSucceededKilobytes, L"{0}KBのシステムメモリ確保に成功しました。"},
    {CleanupSucceededMegabytes, L"{0}MBのシステムメモリ確保に成功しました。"},
    {NothingCleaned, L"メモリ内容は既に最適化されています"},
    {TrimGained, L"ワーキング セットの縮小: {0}増えました ({1} 個のプログラム)"},
    {TrimGainedNothing, L"ワーキング セットの縮小: 空きは増えませんでした ({0} 個のプログラム)"},

    {CommandLineSecured, L"コマンドラインからの指示で空き領域の確保を実行しました。\n"},
    {CommandLineTrimmed, L"コマンドラインからの指示でワーキング セットの縮小を行いました。\n"},
    {CommandLineCleaned, L"コマンドラインからの指示でメモリ クリーンアップを行いました。\n"},
    {HotkeySecured, L"ホットキーで空き領域の確保を実行しました。\n"},
    {HotkeyCleaned, L"ホットキーでメモリ クリーンアップを行いました。\n"},
    {HotkeyTrimmed, L"ホットキーでワーキング セットの縮小を行いました。\n"},

    {TrayShowPanel, L"システムメモリの詳細"},
    {TraySecure, L"空き領域確保"},
    {TrayCleanup, L"メモリ クリーンアップ"},
    {TrayTrim, L"ワーキング セットの縮小(&W)"},
    {TrayOptions, L"設定(&C)"},
    {TrayExit, L"終了(&X)"},

    {OptionsTitle, L"Larkspan オプション"},
    {WarningFrame, L"警告時の動作"},
    {SecureAtOnce, L"自動で領域確保する(推奨)"},
    {AskFirst, L"メッセージを表示する"},
    {IgnoreWarning, L"無視する(何もしない)"},
    {StartMinimised, L"最小化で起動する"},
    {StartMinimisedTip, L"起動時にメインパネルを表示しません"},
    {ApplyButton, L"設定を反映する"},
    {RegisterButton, L"ｽﾀｰﾄｱｯﾌﾟに登録する"},
    {RegisterTip, L"登録すると 次回Windows起動時に自動で起動します。"},
    {HideLogo, L"起動時ロゴを表示しない"},
    {CancelButton, L"キャンセル"},
    {ScheduleFrame, L"最適化予約"},
    {ScheduleOn, L"確保予約を設定する"},
    {CleanupFrame, L"メモリクリーンアップ 設定"},
    {Every5Minutes, L"5分毎に実行する"},
    {Every10Minutes, L"10分毎に実行する"},
    {Every20Minutes, L"20分毎に実行する"},
    {Every30Minutes, L"30分毎に実行する"},
    {EveryHour, L"1時間毎に実行する"},
    {StandardCheck, L"標準チェック"},
    {StandardCheckTip, L"高速に実行可能です"},
    {FullCheck, L"完全チェック"},
    {FullCheckTip, L"数回のチェックを行います。"},
    {SettingsPageButton, L"詳細設定(&D)..."},
    {Registered, L"スタートアップに登録しました"},
    {NotRegistered, L"スタートアップに登録できませんでした"},

    {SettingsPageTitle, L"Larkspan 詳細設定"},
    {HotkeyFrame, L"ホットキー"},
    {HotkeySecure, L"空き領域確保"},
    {HotkeyCleanup, L"メモリ クリーンアップ"},
    {HotkeyTrim, L"ワーキング セットの縮小"},
    {HotkeyShowPanel, L"パネルを表示"},
    {ClearButton, L"クリア"},
    {TrayFrame, L"トレイ アイコン"},
    {TrayGauge, L"残量ゲージ"},
    {TrayNumber, L"空きメモリの割合 (数字)"},
    {HistoryFrame, L"履歴"},
    {KeepHistory, L"実行の履歴を記録する"},
    {OpenFolderButton, L"フォルダーを開く"},
    {OkButton, L"OK"},
    {LanguageFrame, L"表示言語"},
    {LanguageMatchWindows, L"Windows に合わせる"},
    {LanguageNextStart, L"次回の起動から有効になります。"},
    {UnusableHotkey, L"「{0}」のキーはホットキーに使えません。Ctrl、Alt、Win のいずれかと、英字・数字・F1～F24 などのキーを組み合わせてください。"},
    {TakenHotkeys, L"ホットキー {0} は他のプログラムが使用しているため使えません。"},
    {HotkeyListSeparator, L"、"},

    {AboutTitle, L"ﾊﾞｰｼﾞｮﾝ情報"},
    {SystemInfoButton, L"ｼｽﾃﾑ情報(&S)..."},
    {SystemInfoUnavailable, L"現時点ではｼｽﾃﾑ情報を使用できません"},

    {HistoryHeader, L"日時,きっかけ,動作,実行前の使用可能メモリ(MB),実行後の使用可能メモリ(MB),増加(MB),確保したメモリ(MB),"
                    L"対象プログラム数,所要時間(秒),結果"},
    {TriggerManual, L"手動"},
    {TriggerLowMemory, L"低メモリ"},
    {TriggerSchedule, L"予約"},
    {TriggerCommandLine, L"コマンドライン"},
    {ActionSecure, L"空き領域確保"},
    {ActionCleanupStandard, L"メモリ クリーンアップ(標準)"},
    {ActionCleanupFull, L"メモリ クリーンアップ(完全)"},
    {ActionTrim, L"ワーキング セットの縮小"},
    {RunStopped, L"中止"},
    {NoHistoryYet, L"実行の履歴はまだ記録されていません。"},

    {Usage, L"使い方: larkspan.exe [スイッチ]\n"
            L"\n"
            L"/secure : 設定された確保量で空き領域を確保します\n"
            L"/cleanup : 設定されたモードでメモリ クリーンアップを行います\n"
            L"/cleanup:standard : 標準クリーンアップを行います\n"
            L"/cleanup:full : 完全クリーンアップを行います\n"
            L"/trim : ワーキング セットを縮小します\n"
            L"/? : この使い方を表示します\n"
            L"\n"
            L"Larkspan が起動中のときは、起動中の Larkspan が実行します。\n"
            L"\n"
            L"終了コード:\n"
            L"0 : 空きメモリが増えました、または受け付けられました\n"
            L"1 : 空きメモリが増えませんでした\n"
            L"2 : スイッチに誤りがあります\n"
            L"3 : ほかの処理が実行中のため受け付けられませんでした\n"
            L"4 : 起動中の Larkspan から応答がありませんでした"},
};
static_assert(coversEveryText(JapaneseTexts), "every text, once, in the order of the identifiers");

}  // namespace lark
