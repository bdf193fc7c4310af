#pragma once
// One VNC connection in memory and the routines that read, create, update and delete its key.
#include <windows.h>

#include <string>

#include "core/connection_values.h"

namespace corvana {

struct ConnectionRecord {
  std::string ConnectionName;  // the key's name, the last part of its ItemPath
  std::string Host;
  std::string Display;
  std::string VNCFSPort;
  std::string FolderPath;  // not stored: the ItemPath of the folder that holds the connection
  std::string Encoding;
  Flag AllowCopyRect = kFalse;
  Flag SharedSession = kFalse;
  Flag DeiconifyOnBell = kFalse;
  Flag DisableClipboard = kFalse;
  Flag Emulate3Buttons = kFalse;
  Flag SwapMouseButtons = kFalse;
  Flag Restrict8Bit = kFalse;
  Flag ViewOnly = kFalse;
  Flag FullScreen = kFalse;
  Flag Scale = kFalse;
  std::string Scale1;
  std::string Scale2;
  std::string Password;      // plain here; scrambled in the store while UseEncryption() is True
  std::string MousePointer;  // written, never read back
};

// Fills Record from the key at ItemPath; missing values take the defaults of gOptions. A key that
// cannot be opened is reported with its path.
bool ReadConnection(const std::string& ItemPath, ConnectionRecord& Record);
// Host, Display and VNCFSPort, as ReadConnection reads them, from a connection key the caller
// holds open (a list shows no more of a connection); the other fields keep their values.
void ReadConnectionAddress(HKEY Key, ConnectionRecord& Record);
// Stores a new connection at FolderPath\ConnectionName; False, writing nothing, when that key
// exists, cannot be created, the name is not a single key name, or the password cannot be stored.
bool CreateConnectionKey(const ConnectionRecord& Record);
// Renames (in Old's folder) when the name changed, then writes the fields that differ (in New's).
bool UpdateConnectionKey(const ConnectionRecord& OldRecord, const ConnectionRecord& NewRecord);
// Deletes the connection; refuses, changing nothing, when "Host", "Display" or "VNCFSPort" is missing.
bool DeleteConnectionKey(const std::string& ItemPath);

}  // namespace corvana
