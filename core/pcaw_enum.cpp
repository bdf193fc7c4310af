#include "core/pcaw_enum.h"

#include "core/message_box.h"
#include "core/pcaw.h"
#include "core/registry_store.h"
#include "core/string_table.h"
#include "resources/string_ids.h"

namespace corvana {

long EnumNextPcAWConnection(RegKey& hKey, long Index, std::optional<CpcAWdata>& Data, std::string& Name) {
  StoreEntry entry;
  long rc = EnumNextStoreEntry(hKey, Index, entry);
  if (rc != kEnumMoreEntries) return rc;
  if (entry.PcAWFile.empty()) {
    Data.reset();
    Name.clear();
    return rc;
  }
  entry.Key.reset();
  Name = entry.Name;
  Data = ReadPcAWEntry(Name, entry.PcAWFile);
  return rc;
}

CpcAWdata ReadPcAWEntry(const std::string& Name, const std::string& File) {
  if (std::optional<CpcAWdata> data = PcAW().GetConnection(File)) return *std::move(data);
  ShowMessage(Name + "\r\n" + LoadResString(IDS_PCAW_FILE_MISSING) + "\r\n" + File, MB_OK, kApplicationTitle);
  CpcAWdata data;
  data.FileName = File;
  data.Name = Name;
  return data;
}

}  // namespace corvana
