#pragma once
// The soil-name tables of a data folder as one store: a soil name's code, found in
// the tables or newly registered, so that every later layer and every later run
// finds the name under the same code.
//
// Each table is read once per state of its file and kept as an index; before each
// use the file's identity is compared, so a change by anyone else (another
// conversion, an edit by hand) is read again. The store outlives a run: a batch
// keeps it across its borings, the window across the runs of a session.
// Conversions sharing the data folder take turns through a lock held from the
// lookup of one name to the end of its registration.
#include <functional>
#include <optional>
#include <string>

#include "platform/durable_file.hpp"
#include "platform/file_lock.hpp"
#include "tables/extended_table.hpp"
#include "tables/soil_entry.hpp"
#include "tables/soil_table_index.hpp"
#include "text/run_error.hpp"

namespace velni {

// Where the store finds its tables. The marker file PATADD.txt goes into the
// folder that holds the data folder: the program's own folder in the layout the
// system was made for (PATDAT beside the program), never an installed program's.
struct SoilTableFolders {
  std::u16string dataFolderPath;  // with its final separator
};

struct SoilCode {
  std::u16string code;
  bool registered = false;  // the name was new and got this code now
};

// A name the tables must not take; the caller names the layer that carries it.
class SoilNameRefused : public RunError {
 public:
  using RunError::RunError;
};

// Says something to the operator without stopping the run (waiting for another
// conversion, a marker that could not be made).
using Notice = std::function<void(const std::u16string&)>;

class SoilNameStore {
 public:
  explicit SoilNameStore(SoilTableFolders folders, fs::LockWait wait = {});

  const SoilTableFolders& Folders() const { return folders_; }

  // Makes sure the soil-name table KISHITU.TXT exists (an empty one when missing).
  void EnsureSoilTable();

  // The code of a non-empty soil name: the soil-name table first, bands B1, B2, B3,
  // then the extended table. A name found only in the extended table is appended to
  // the soil-name table; a new one is registered in both.
  SoilCode CodeOf(const std::u16string& soilName, const Notice& notice);

  // The code a lookup finds, changing nothing; none for a name new to the tables.
  std::optional<std::u16string> FindCode(const std::u16string& soilName);

  // The layers of one boring: while a Pass lives, the soil-name table's identity is
  // compared once, not before every layer. The tables are only ever appended to,
  // so a name found stays right for the moment a boring takes, and a name not
  // found is still looked for afresh under the lock.
  class Pass {
   public:
    explicit Pass(SoilNameStore& store) : store_(store) { store_.pass_ = PassState::Unchecked; }
    ~Pass() { store_.pass_ = PassState::None; }
    Pass(const Pass&) = delete;
    Pass& operator=(const Pass&) = delete;

   private:
    SoilNameStore& store_;
  };

  // The names of many borings under one hold of the lock: each code is the one that
  // CodeOf, called for the names in the same order, would give, but the tables
  // change at Write, by one durable write per table. As with CodeOf, names the
  // soil-name table holds need no lock (its identity is compared once), and the
  // lock is taken at the first name it lacks, then held to the end. Names not
  // written when the registration ends are forgotten (the tables are read again).
  class Registration {
   public:
    Registration(SoilNameStore& store, Notice notice);
    ~Registration();
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;

    SoilCode CodeOf(const std::u16string& soilName);
    std::optional<std::u16string> FindCode(const std::u16string& soilName);
    // Writes what the names so far changed: the extended table first, as CodeOf does.
    void Write();

   private:
    const SoilTableIndex& SoilIndex();
    void Lock();
    void Add(const SoilEntry& entry);
    void Forget();

    SoilNameStore& store_;
    Notice notice_;
    bool locked_ = false;
    bool soilChecked_ = false;
    std::optional<ExtendedTableInsertions> insertions_;
    std::string soilLines_;  // to append, in code page 932
  };

 private:
  struct Table {
    std::u16string path;
    std::string nativePath;  // resolved once, again when the file is not found
    std::optional<fs::FileIdentity> identity;
    std::optional<SoilTableIndex> index;
  };

  std::optional<SoilEntry> FindIn(Table& table, const std::u16string& storedName);
  static std::optional<SoilEntry> FindInIndex(const SoilTableIndex& index, const std::u16string& storedName);
  std::optional<fs::FileIdentity> IdentityNow(Table& table);
  bool IsCurrent(Table& table);
  SoilTableIndex& Current(Table& table);
  void Append(const SoilEntry& entry, const Notice& notice);
  SoilEntry Register(const std::u16string& soilName);
  void HoldLock(const Notice& notice);
  void CheckWritable();
  void MakeMarker(const Notice& notice);

  SoilTableFolders folders_;
  fs::LockWait wait_;
  Table soilTable_;
  Table extendedTable_;
  std::optional<fs::FileLock> lock_;
  enum class PassState { None, Unchecked, Checked };
  PassState pass_ = PassState::None;
  // A marker that cannot be made is said once, not at every new name.
  bool markerWarned_ = false;
};

}  // namespace velni
