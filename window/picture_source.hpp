#pragma once
// The boring a picture window shows and where its soil names are looked up.
#include <string>

#include "tables/soil_name_store.hpp"

namespace velni {

struct PictureSource {
  std::u16string sourcePath;           // the main data file or a delivered exchange file
  std::u16string dataFolderPath;       // with its final separator
  SoilNameStore* soilNames = nullptr;  // the main window's store, only looked up in
};

}  // namespace velni
