#pragma once
// The store's enumerator of pcAnywhere entries, by the protocol of the other enumerators.
#include <optional>
#include <string>

#include "core/pcaw_data.h"
#include "win/handles.h"

namespace corvana {

// Reads the sub-key at Index of hKey (an empty hKey walks the top level). For a pcAnywhere entry
// Name is the sub-key's name and Data the record of its file, read through gPcAW; when the file
// cannot be read it says so in a message box and Data holds only FileName and Name. For a key of
// another kind Name is "" and Data none. 0 for each sub-key, 234 at the end.
long EnumNextPcAWConnection(RegKey& hKey, long Index, std::optional<CpcAWdata>& Data, std::string& Name);
// The record of the pcAnywhere entry Name whose file is File, as the enumerator gives it: read
// through gPcAW, or, with the message box, only FileName and Name when the file cannot be read.
CpcAWdata ReadPcAWEntry(const std::string& Name, const std::string& File);

}  // namespace corvana
