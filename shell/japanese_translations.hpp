#pragma once
// Qt's own texts (the buttons of message boxes, the file and print dialogs) in
// Japanese, as every other text of the program is, whatever the user's locale.
class QCoreApplication;

namespace velni {

// Installs Qt's Japanese translations from where the host's Qt keeps them; false
// when they are not installed (the texts stay English).
bool LoadJapaneseTranslations(QCoreApplication& application);

}  // namespace velni
