#include "core/connection_record.h"

#include <utility>

#include "core/global_options.h"
#include "core/message_box.h"
#include "core/passwords.h"
#include "core/registry_store.h"
#include "core/registry_tree.h"
#include "core/registry_value.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

struct FlagField {
  const char* valueName;
  Flag ConnectionRecord::*field;
  Flag GlobalOptions::*fallback;
};

// In the order in which a connection's flags are read.
constexpr FlagField kFlagFields[] = {
    {kAllowCopyRectValue, &ConnectionRecord::AllowCopyRect, &GlobalOptions::DefaultAllowCopyRect},
    {kSharedSessionValue, &ConnectionRecord::SharedSession, &GlobalOptions::DefaultSharedSession},
    {kDeiconifyOnBellValue, &ConnectionRecord::DeiconifyOnBell, &GlobalOptions::DefaultDeiconifyOnBell},
    {kDisableClipboardValue, &ConnectionRecord::DisableClipboard, &GlobalOptions::DefaultDisableClipboard},
    {kEmulate3ButtonsValue, &ConnectionRecord::Emulate3Buttons, &GlobalOptions::DefaultEmulate3Buttons},
    {kSwapMouseButtonsValue, &ConnectionRecord::SwapMouseButtons, &GlobalOptions::DefaultSwapMouseButtons},
    {kRestrict8BitValue, &ConnectionRecord::Restrict8Bit, &GlobalOptions::DefaultRestrict8Bit},
    {kViewOnlyValue, &ConnectionRecord::ViewOnly, &GlobalOptions::DefaultViewOnly},
    {kFullScreenValue, &ConnectionRecord::FullScreen, &GlobalOptions::DefaultFullScreen},
    {kScaleValue, &ConnectionRecord::Scale, &GlobalOptions::DefaultScale},
};

// A move that stopped part-way leaves one key under the old name: what the failed delete took
// from the source comes back from the copy, and the copy goes. Without the source the copy stays,
// as it is then all there is.
void TakeBackMove(const std::string& SourcePath, const std::string& CopyPath) {
  RegKey copy = OpenStoreKey(CopyPath);
  RegKey source = OpenStoreKey(SourcePath);
  if (!copy || !source) return;
  CopyRegKey(std::move(copy), source.get());
  DeleteKeyTree(CopyPath);
}

std::string NameOfPath(const std::string& ItemPath) {
  const auto slash = ItemPath.rfind('\\');
  if (slash == std::string::npos || slash + 1 == ItemPath.size()) return ItemPath;
  return ItemPath.substr(slash + 1);
}

// Writes the fields of Record in the store's order: all of them when Old is null, else those
// that differ from Old (texts compared with case). The password must have been found storable.
void WriteFields(HKEY key, const ConnectionRecord& Record, const ConnectionRecord* Old) {
  auto flag = [&](const char* name, Flag ConnectionRecord::*field) {
    if (!Old || Old->*field != Record.*field) WriteStringValue(key, name, FlagText(Record.*field));
  };
  auto text = [&](const char* name, std::string ConnectionRecord::*field) {
    if (!Old || Old->*field != Record.*field) WriteStringValue(key, name, Record.*field);
  };
  auto subKey = [&](const char* name, std::string ConnectionRecord::*field) {
    if (!Old || Old->*field != Record.*field) WriteSubKeyDefaultValue(key, name, Record.*field);
  };
  flag(kAllowCopyRectValue, &ConnectionRecord::AllowCopyRect);
  flag(kDeiconifyOnBellValue, &ConnectionRecord::DeiconifyOnBell);
  flag(kDisableClipboardValue, &ConnectionRecord::DisableClipboard);
  flag(kEmulate3ButtonsValue, &ConnectionRecord::Emulate3Buttons);
  flag(kFullScreenValue, &ConnectionRecord::FullScreen);
  text(kMousePointerValue, &ConnectionRecord::MousePointer);
  if (!Old || Old->Password != Record.Password) WritePasswordValue(key, Record.Password);
  text(kEncodingValue, &ConnectionRecord::Encoding);
  flag(kSharedSessionValue, &ConnectionRecord::SharedSession);
  flag(kRestrict8BitValue, &ConnectionRecord::Restrict8Bit);
  text(kScale1Value, &ConnectionRecord::Scale1);
  text(kScale2Value, &ConnectionRecord::Scale2);
  flag(kScaleValue, &ConnectionRecord::Scale);
  flag(kSwapMouseButtonsValue, &ConnectionRecord::SwapMouseButtons);
  flag(kViewOnlyValue, &ConnectionRecord::ViewOnly);
  subKey(kHostSubKey, &ConnectionRecord::Host);
  subKey(kDisplaySubKey, &ConnectionRecord::Display);
  subKey(kVNCFSPortSubKey, &ConnectionRecord::VNCFSPort);
}

}  // namespace

bool ReadConnection(const std::string& ItemPath, ConnectionRecord& Record) {
  if (ItemPath.empty()) return false;
  Record.ConnectionName = NameOfPath(ItemPath);
  RegKey key = OpenStoreKey(ItemPath);
  if (!key) {
    ShowMessageId(IDS_KEY_NOT_OPENED, MB_OK | MB_ICONERROR, kApplicationTitle, "\r\n" + ItemPath);
    return false;
  }
  const HKEY k = key.get();

  if (std::string encoding = ReadStringValue(k, kEncodingValue); !encoding.empty()) {
    encoding = NormalizeEncoding(encoding);
    Record.Encoding = encoding.empty() ? gOptions.DefaultEncoding : encoding;
  }

  ReadConnectionAddress(k, Record);

  for (const FlagField& f : kFlagFields) {
    const std::string text = ReadStringValue(k, f.valueName);
    if (text.starts_with('1')) Record.*f.field = kTrue;
    else if (text.starts_with('0')) Record.*f.field = kFalse;
    else Record.*f.field = gOptions.*f.fallback;
  }

  // Scaling needs both parts; without them the connection is shown unscaled.
  if (Record.Scale == kTrue) {
    Record.Scale1 = ReadStringValue(k, kScale1Value);
    if (Record.Scale1.empty()) Record.Scale1 = gOptions.DefaultScale1;
    Record.Scale2 = ReadStringValue(k, kScale2Value);
    if (Record.Scale2.empty()) Record.Scale2 = gOptions.DefaultScale2;
    if (Record.Scale1.empty() || Record.Scale2.empty()) Record.Scale = kFalse;
  }

  Record.Password = ReadPassword(ItemPath);
  return true;
}

void ReadConnectionAddress(HKEY Key, ConnectionRecord& Record) {
  Record.Host = ReadSubKeyDefaultValue(Key, kHostSubKey);
  Record.Display = ReadSubKeyDefaultValue(Key, kDisplaySubKey);
  Record.VNCFSPort = ReadSubKeyDefaultValue(Key, kVNCFSPortSubKey);
}

bool CreateConnectionKey(const ConnectionRecord& Record) {
  if (!IsValidItemName(Record.ConnectionName)) return false;
  const std::string path = JoinItemPath(Record.FolderPath, Record.ConnectionName);
  if (PathExists(path)) return false;
  if (!CheckPasswordStorable(Record.Password)) return false;
  RegKey key = CreateKey(HKEY_CURRENT_USER, StoreKeyPath(path));
  if (!key) return false;
  WriteFields(key.get(), Record, nullptr);
  return true;
}

bool UpdateConnectionKey(const ConnectionRecord& OldRecord, const ConnectionRecord& NewRecord) {
  if (!IsValidItemName(NewRecord.ConnectionName)) return false;
  // Refused before anything changes, so a refused password leaves the old name in place too.
  if (OldRecord.Password != NewRecord.Password && !CheckPasswordStorable(NewRecord.Password)) return false;

  if (OldRecord.ConnectionName != NewRecord.ConnectionName) {
    const std::string oldPath = JoinItemPath(OldRecord.FolderPath, OldRecord.ConnectionName);
    const std::string newPath = JoinItemPath(OldRecord.FolderPath, NewRecord.ConnectionName);
    // A connection that is gone is not renamed; writing on would change whatever holds the new name.
    if (!PathExists(oldPath)) return false;
    if (PathExists(newPath)) {
      ShowMessageId(IDS_NAME_EXISTS, MB_OK | MB_ICONERROR);
      return false;
    }
    if (!MoveStoreKey(oldPath, newPath)) {
      TakeBackMove(oldPath, newPath);
      ShowMessageId(IDS_RENAME_FAILED, MB_OK | MB_ICONERROR);
      return false;
    }
  }

  RegKey key = OpenStoreKey(JoinItemPath(NewRecord.FolderPath, NewRecord.ConnectionName));
  if (!key) return false;
  WriteFields(key.get(), NewRecord, &OldRecord);
  return true;
}

bool DeleteConnectionKey(const std::string& ItemPath) {
  if (ItemPath.empty()) return false;
  {
    RegKey key = OpenStoreKey(ItemPath);
    if (!key) return false;
    // A connection that lacks one of its parts is left whole rather than taken apart.
    for (const char* part : {kHostSubKey, kDisplaySubKey, kVNCFSPortSubKey})
      if (!OpenKey(key.get(), part)) return false;
  }
  RegKey root = OpenStoreKey("");
  return root && DeleteRegKeyRecursive(root.get(), ItemPath);
}

}  // namespace corvana
