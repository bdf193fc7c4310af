#include "core/passwords.h"

#include "core/connection_values.h"
#include "core/message_box.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "resources/string_ids.h"

namespace corvana {

std::string ScramblePassword(const std::string& Text) {
  std::string out = Text;
  for (char& c : out) c = static_cast<char>(static_cast<unsigned char>(c) ^ 0xFFu);
  return out;
}

std::string UnscramblePassword(const std::string& Text) { return ScramblePassword(Text); }

bool UseEncryption() {
  RegKey root = OpenStoreKey("");
  if (!root) return false;
  return !ReadStringValue(root.get(), kNoEncryptionValue).starts_with('1');
}

std::string StoredPasswordForm(const std::string& Password) {
  return UseEncryption() ? ScramblePassword(Password) : Password;
}

bool CheckPasswordStorable(const std::string& Password) {
  const std::string stored = StoredPasswordForm(Password);
  if (stored.find('\0') == std::string::npos && stored.size() < kValueBufferChars) return true;
  ShowMessageId(IDS_PASSWORD_NOT_STORABLE, MB_OK | MB_ICONERROR, kProductTitle);
  return false;
}

bool WritePasswordValue(HKEY connection, const std::string& Password) {
  if (!CheckPasswordStorable(Password)) return false;
  WriteStringValue(connection, kPasswordValue, StoredPasswordForm(Password));
  return true;
}

bool SavePassword(const std::string& ItemPath, const std::string& Password) {
  if (ItemPath.empty()) return false;  // would name ProductKey itself
  RegKey key = OpenStoreKey(ItemPath);
  if (!key) return false;
  if (!WritePasswordValue(key.get(), Password)) return false;
  if (!UseEncryption()) return true;
  if (UnscramblePassword(ReadStringValue(key.get(), kPasswordValue)) != Password) {
    ShowMessageId(IDS_PASSWORD_NOT_DECODED, MB_OK | MB_ICONERROR, kProductTitle);
    return false;
  }
  return true;
}

std::string ReadPassword(const std::string& ItemPath) {
  if (ItemPath.empty()) return {};
  RegKey key = OpenStoreKey(ItemPath);
  if (!key) return {};
  std::string stored = ReadStringValue(key.get(), kPasswordValue);
  return UseEncryption() ? UnscramblePassword(stored) : stored;
}

bool HasStoredPassword(HKEY connection) { return !ReadStringValue(connection, kPasswordValue).empty(); }

}  // namespace corvana
