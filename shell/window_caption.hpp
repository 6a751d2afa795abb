#pragma once
// The caption of the program's window, also the title of a message box that the run
// gives no title of its own.

namespace velni {

inline constexpr char16_t kWindowCaption[] = u"VELNI柱状図 -> Qx 変換プログラム";

}  // namespace velni
