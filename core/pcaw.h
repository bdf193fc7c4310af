#pragma once
// The one gateway to pcAnywhere: its automation server, driven late-bound by name, reads
// connection files, opens connections and tells its version; a connection file's property sheet
// opens through the shell. Nothing here shows a message.
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <optional>
#include <string>

#include "win/com_ptr.h"
#include "core/pcaw_data.h"

namespace corvana {

inline constexpr const char* kPcAWProgId = "WINAWSVR.REMOTEDATAMANAGER";

class CpcAW {
 public:
  // Creates the server object and settles the version text; a missing server leaves the object
  // not installed and the text empty. Needs COM on the calling (user-interface) thread.
  CpcAW();
  CpcAW(const CpcAW&) = delete;
  CpcAW& operator=(const CpcAW&) = delete;

  bool IsInstalled() const noexcept { return static_cast<bool>(remoteDataManager_); }
  std::string GetVersion() const { return versionText_; }
  // Opens the connection of a connection file: the server's answer, False when not installed.
  bool Connect(const std::string& FileName) const;
  // Opens the file's property sheet through the shell; False when the file or the verb is not found.
  bool Properties(const std::string& FileName) const;
  // The file's data, or none when not installed or the server cannot read the file.
  std::optional<CpcAWdata> GetConnection(const std::string& FileName) const;

 private:
  com::ComPtr<IDispatch> remoteDataManager_;
  std::string versionText_;
};

// True when a shell verb's name, upper-cased and without its "&" marks, is the German or the
// English name of the property sheet verb (string-table texts).
bool IsPropertiesVerbName(const std::string& VerbName);

// The version text of the server registered for ProgId: "FILE.EXE Version a.b.c.d" from the
// fixed file version of its LocalServer32 program; "" when the registration names no program.
std::string ServerVersionText(const std::string& ProgId);

// The program's one gateway, created on first use (the splash window's load) and kept until the
// program ends; it must be reset before OLE ends on the user-interface thread.
extern std::unique_ptr<CpcAW> gPcAW;
// gPcAW, created first when it does not exist yet.
CpcAW& PcAW();

}  // namespace corvana
