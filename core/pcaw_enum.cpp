#include "core/pcaw_enum.h"

#include "core/message_box.h"
#include "core/pcaw.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "core/string_table.h"

namespace corvana {

namespace {
constexpr int kPcAWFileMissing = 3046;
}

long EnumNextPcAWConnection(RegKey& hKey, long Index, std::optional<CpcAWdata>& Data, std::string& Name) {
  RegKey child;
  std::string subName;
  long rc = EnumNextSubKey(hKey, Index, subName, child);
  if (rc != kEnumMoreEntries) return rc;
  if (!child || !IsPcAWEntryKey(child.get())) {
    Data.reset();
    Name.clear();
    return rc;
  }
  Name = subName;
  const std::string file = ReadStringValue(child.get(), kPcAWFileValue);
  child.reset();
  Data = PcAW().GetConnection(file);
  if (!Data) {
    ShowMessage(Name + "\r\n" + LoadResString(kPcAWFileMissing) + "\r\n" + file, MB_OK, kApplicationTitle);
    Data = CpcAWdata{};
    Data->FileName = file;
    Data->Name = Name;
  }
  return rc;
}

}  // namespace corvana
