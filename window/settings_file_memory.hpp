#pragma once
// The folder lists' memory kept as "key=folder" lines of a settings file beside
// the data-folder line, for a window whose toolkit keeps no settings of its own.
#include <string>

#include "window/folder_memory.hpp"

namespace velni {

// Lines of other keys are kept as they stand; a file that cannot be read recalls
// nothing, and one that cannot be written forgets.
FolderMemory SettingsFileFolderMemory(std::u16string settingsFile);

}  // namespace velni
