#pragma once
// Exit statuses of velni2qx-cli; scripts rely on them.

namespace velni::cli {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitFailed = 2;
inline constexpr int kExitNoDataFolder = 3;
inline constexpr int kExitUsage = 64;

}  // namespace velni::cli
