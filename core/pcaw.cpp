#include "core/pcaw.h"

#include <shldisp.h>
#include <shlwapi.h>

#include <algorithm>
#include <vector>

#include "win/com_text.h"
#include "com/host/dispatch_call.h"
#include "com/host/create_object.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "core/text.h"
#include "resources/string_ids.h"

namespace corvana {

std::unique_ptr<CpcAW> gPcAW;

CpcAW& PcAW() {
  if (!gPcAW) gPcAW = std::make_unique<CpcAW>();
  return *gPcAW;
}

namespace {

constexpr DWORD kMaxVersionInfoBytes = 64000;

// Runs a shlwapi path function on a copy of path in a MAX_PATH buffer.
template <class F>
std::string PathEdit(const std::string& path, F edit) {
  std::vector<char> buf(std::max<size_t>(path.size() + 1, MAX_PATH), '\0');
  path.copy(buf.data(), path.size());
  edit(buf.data());
  return std::string(buf.data());
}

// Both halves of a version double word as unsigned decimals: "hi.lo".
std::string VersionPair(DWORD d) { return std::to_string(HIWORD(d)) + "." + std::to_string(LOWORD(d)); }

VS_FIXEDFILEINFO FixedFileInfo(const std::string& path) {
  VS_FIXEDFILEINFO info{};
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return info;
  if (size > kMaxVersionInfoBytes) size = kMaxVersionInfoBytes;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return info;
  void* root = nullptr;
  UINT length = 0;
  if (VerQueryValueA(block.data(), "\\", &root, &length) && root && length >= sizeof info)
    info = *static_cast<const VS_FIXEDFILEINFO*>(root);
  return info;
}

// A connection-object property converted to the record's field type; false when it cannot be
// read or does not convert, which fails the whole fill.
bool ReadInto(IDispatch* object, const char* name, std::string& field) {
  com::CallResult r = com::GetProperty(object, name);
  auto v = r ? r.value.asString() : std::nullopt;
  if (!v) return false;
  field = *v;
  return true;
}

bool ReadInto(IDispatch* object, const char* name, bool& field) {
  com::CallResult r = com::GetProperty(object, name);
  auto v = r ? r.value.asBool() : std::nullopt;
  if (!v) return false;
  field = *v;
  return true;
}

bool ReadInto(IDispatch* object, const char* name, short& field) {
  com::CallResult r = com::GetProperty(object, name);
  auto v = r ? r.value.asShort() : std::nullopt;
  if (!v) return false;
  field = *v;
  return true;
}

com::Bstr BstrOf(const std::string& text) { return com::Bstr(text); }

VARIANT IndexVariant(long i) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = i;
  return v;
}

}  // namespace

bool IsPropertiesVerbName(const std::string& VerbName) {
  std::string name = VerbName;
  std::erase(name, '&');
  name = UpperCase(name);
  if (name.empty()) return false;
  return name == UpperCase(LoadResString(IDS_PROPERTIES_VERB_GERMAN)) ||
         name == UpperCase(LoadResString(IDS_PROPERTIES_VERB_ENGLISH));
}

std::string ServerVersionText(const std::string& ProgId) {
  RegKey progKey = OpenKey(HKEY_CLASSES_ROOT, ProgId);
  if (!progKey) return {};
  std::string clsid = CutAtNul(ReadSubKeyDefaultValue(progKey.get(), "CLSID"));
  if (clsid.empty()) return {};
  std::string server = CutAtNul(ReadSubKeyDefaultValue(HKEY_CLASSES_ROOT, "CLSID\\" + clsid + "\\LocalServer32"));
  // Registrations often quote the program's path and add switches after it; the version belongs
  // to the program alone. An unquoted path is taken whole, since it may hold blanks.
  if (server.size() > 1 && server.front() == '"') {
    auto close = server.find('"', 1);
    server = server.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  }
  if (server.empty()) return {};
  VS_FIXEDFILEINFO info = FixedFileInfo(server);
  std::string file = CutAtNul(PathEdit(server, [](char* p) { PathStripPathA(p); }));
  return file + " Version " + VersionPair(info.dwFileVersionMS) + "." + VersionPair(info.dwFileVersionLS);
}

CpcAW::CpcAW() {
  remoteDataManager_ = com::CreateObject(kPcAWProgId);
  if (remoteDataManager_) versionText_ = ServerVersionText(kPcAWProgId);
}

bool CpcAW::Connect(const std::string& FileName) const {
  if (!IsInstalled()) return false;
  // A raised error or an answer that is no Boolean counts as a launch that did not happen.
  com::CallResult r = com::CallMethod(remoteDataManager_.get(), "Launch", FileName);
  return r && r.value.asBool().value_or(false);
}

std::optional<CpcAWdata> CpcAW::GetConnection(const std::string& FileName) const {
  if (!IsInstalled()) return std::nullopt;
  // An error the server raises for a file it cannot read gives no record, as a missing file does.
  com::CallResult r = com::CallMethod(remoteDataManager_.get(), "RetrieveObject", FileName, short{0}, "");
  if (!r) return std::nullopt;
  com::ComPtr<IDispatch> connection = r.value.asDispatch();
  if (!connection) return std::nullopt;
  IDispatch* c = connection.get();

  CpcAWdata d;
  d.Name = CutAtNul(PathEdit(FileName, [](char* p) {
    PathStripPathA(p);
    PathRemoveExtensionA(p);
  }));
  if (!ReadInto(c, "ComputerName", d.ComputerName)) return std::nullopt;
  d.FileName = FileName;
  bool filled = ReadInto(c, "ConnectionType", d.ConnectionType) && ReadInto(c, "AreaCode", d.AreaCode) &&
                ReadInto(c, "AutoLoginName", d.AutoLoginName) &&
                ReadInto(c, "AutoLoginPassword", d.AutoLoginPassword) &&
                ReadInto(c, "AutoXferFile", d.AutoXferFile) && ReadInto(c, "CountryCode", d.CountryCode) &&
                ReadInto(c, "ExecuteProtection", d.ExecuteProtection) && ReadInto(c, "LogSession", d.LogSession) &&
                ReadInto(c, "Password", d.Password) && ReadInto(c, "PhoneNumber", d.PhoneNumber) &&
                ReadInto(c, "ReadProtection", d.ReadProtection) && ReadInto(c, "RecordFile", d.RecordFile) &&
                ReadInto(c, "RedialCount", d.RedialCount) && ReadInto(c, "RedialDelay", d.RedialDelay) &&
                ReadInto(c, "RunOnConnect", d.RunOnConnect) && ReadInto(c, "ScriptFile", d.ScriptFile) &&
                ReadInto(c, "UseDialingProperties", d.UseDialingProperties) &&
                ReadInto(c, "WriteProtection", d.WriteProtection);
  if (!filled) return std::nullopt;
  return d;
}

bool CpcAW::Properties(const std::string& FileName) const {
  std::string folderPath = CutAtNul(PathEdit(FileName, [](char* p) { PathRemoveFileSpecA(p); }));
  com::ComPtr<IShellDispatch> shell;
  if (FAILED(CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IShellDispatch,
                              shell.putVoid())))
    return false;
  com::Bstr folderText = BstrOf(folderPath);
  VARIANT where;
  VariantInit(&where);
  where.vt = VT_BSTR;
  where.bstrVal = folderText.get();  // lent; folderText frees it
  com::ComPtr<Folder> folder;
  if (FAILED(shell->NameSpace(where, folder.put())) || !folder) return false;

  com::ComPtr<FolderItems> items;
  long count = 0;
  if (FAILED(folder->Items(items.put())) || !items || FAILED(items->get_Count(&count)) || count == 0) return false;

  const std::string wanted = UpperCase(FileName);
  com::ComPtr<FolderItem> item;
  for (long i = 0; i < count && !item; ++i) {
    com::ComPtr<FolderItem> candidate;
    if (FAILED(items->Item(IndexVariant(i), candidate.put())) || !candidate) continue;
    com::Bstr path;
    if (SUCCEEDED(candidate->get_Path(path.put())) && UpperCase(path.str()) == wanted) item = std::move(candidate);
  }
  if (!item) return false;

  com::ComPtr<FolderItemVerbs> verbs;
  long verbCount = 0;
  if (FAILED(item->Verbs(verbs.put())) || !verbs || FAILED(verbs->get_Count(&verbCount))) return false;
  for (long j = 0; j < verbCount; ++j) {
    com::ComPtr<FolderItemVerb> verb;
    if (FAILED(verbs->Item(IndexVariant(j), verb.put())) || !verb) continue;
    com::Bstr nameText;
    if (FAILED(verb->get_Name(nameText.put()))) continue;
    if (IsPropertiesVerbName(nameText.str())) {
      verb->DoIt();
      return true;
    }
  }
  return false;
}

}  // namespace corvana
