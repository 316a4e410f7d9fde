// What the copy scenarios look at: the forged stand-ins, what landed in the installation
// folder and when it was stamped, copies of setup.exe with altered payload, and the bar.
#ifndef TARN_E2E_COPY_STEPS_H
#define TARN_E2E_COPY_STEPS_H

#include <windows.h>

#include <map>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "file_times.h"
#include "files_in.h"
#include "installer_session.h"

constexpr char REGISTRY_TITLE[] = "Updating registry";
constexpr char ERROR_TITLE[] = "Installation not completed";
constexpr char GROUPS_NOT_CREATED[] = "Installation succeeded, but groups could not be created in Program Shell.";
constexpr char STOP_QUESTION[] = "Do you want to stop the installation?";
constexpr char INSTALL_FOLDER[] = "C:\\Program Files\\TARN";
// A file's path in the installation folder.
std::string Installed(const std::string& name);
// The catalogue's time stamp, in local time.
constexpr char PAYLOAD_STAMP[] = "2010-05-06 12:03:00";

// The row's stored form as the build forged it (TARN_STORED_FORMS), and the file it stands for.
std::string StoredForm(const FileEntry& row);
std::string StandIn(const FileEntry& row);
const FileEntry* ProductRow(const std::string& name);

// A resource's type or name: a text, or an integer id when the text is empty.
struct ResourceKey {
  std::string text;
  ULONG_PTR id;
  LPCSTR Pointer() const { return text.empty() ? MAKEINTRESOURCEA(id) : text.c_str(); }
};

// A copy of setup.exe in a folder of its own, its payload resources altered before it runs.
// The copy's resources are written anew from the original's: Wine's UpdateResource cannot
// delete a resource that the file already holds.
class AlteredSetup {
public:
  explicit AlteredSetup(const std::string& folder);
  void RemoveChunk(int resourceId) { alterations[resourceId] = Alteration{true, std::string()}; }
  void ReplaceChunk(int resourceId, const std::string& bytes) { alterations[resourceId] = Alteration{false, bytes}; }
  // Writes the copy with its alterations; false when it cannot.
  bool Finish();
  const std::string& Path() const { return path; }
  const std::string& Folder() const { return folder; }

private:
  struct Alteration {
    bool removed;
    std::string bytes;
  };
  struct Resource {
    ResourceKey type, name;
    std::string bytes;
  };
  std::vector<Resource> OriginalResources() const;

  std::string folder;
  std::string path;
  std::map<int, Alteration> alterations;
};

// True once a page after the copy page shows (not the error page). The registry page moves
// on by itself, so a check for it alone could look too late.
bool ArriveAfterTheCopy(InstallerSession& setup);

// From the summary page, Next: waits until the copy page's bar is full, takes its picture
// with the program held still at that moment, and returns when the program goes on.
bool ArriveAtTheFullBar(InstallerSession& setup);
// With every shell server silenced, from the start to the error page that the icons page
// shows at once, pictured; false unless it says that the groups could not be created.
bool ArriveAtTheGroupErrorWithoutAServer(InstallerSession& setup);

// Each file of a folder by name, with a digest of its bytes and its last-write time: equal
// when the folder holds the same files byte for byte with the same times.
struct FileFacts {
  std::string name;
  uint64_t size;
  uint32_t digest;
  uint64_t written;
  bool operator==(const FileFacts& other) const {
    return name == other.name && size == other.size && digest == other.digest && written == other.written;
  }
};
using FolderSnapshot = std::vector<FileFacts>;
FolderSnapshot SnapshotOf(const std::string& folder);
void PrintTo(const FileFacts& facts, std::ostream* out);

// Whether the record of an unfinished run of setup.exe is in the registry.
bool RunRecordExists();

#endif
