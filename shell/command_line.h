// The command line: "/secure", "/cleanup", "/cleanup:standard", "/cleanup:full", "/trim" and "/?".
#pragma once

#include <string>
#include <vector>

#include "common/commands.h"

namespace lark {

// Switches are read in any case, with "/" or "-" before them; at most one is given.
Command parseCommandLine(const std::vector<std::wstring>& arguments);

inline constexpr wchar_t Usage[] =
    L"使い方: larkspan.exe [スイッチ]\n"
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
    L"4 : 起動中の Larkspan から応答がありませんでした";

}  // namespace lark
