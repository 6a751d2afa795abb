#pragma once
// Soil-name codes of X1.TXT and the growing soil-name tables of the data folder.
#include <string>

namespace velni {

// Makes sure the soil-name table KISHITU.TXT exists (an empty one when missing).
void EnsureSoilTable(const std::u16string& dataFolderPath);

}  // namespace velni
