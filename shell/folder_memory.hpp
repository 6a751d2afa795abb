#pragma once
// The folder lists' memory kept in the window's settings file
// (~/.config/velni2qx/window.conf).
#include "window/folder_memory.hpp"

namespace velni {

FolderMemory SettingsFolderMemory();

}  // namespace velni
