#include "dialogs/new_connection.h"

#include "core/message_box.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "dialogs/default_flag_box.h"
#include "resources/string_ids.h"

namespace corvana::dialogs {

dlgNewConnection::dlgNewConnection(ConnectionDialogHost& host)
    : ConnectionForm(ConnectionDialogKind::New), host_(host) {
  Load = [this] {
    LoadCommon();
    LoadDefaults();
  };
}

void dlgNewConnection::LoadDefaults() {
  RegKey options = CreateKey(HKEY_CURRENT_USER, ProductKey);
  if (!options) return;
  const Parts& p = parts();
  if (std::string encoding = ReadStringValue(options.get(), kEncodingValue); !encoding.empty())
    SelectEncoding(encoding);
  for (const FlagBox& f : FlagBoxes()) LoadDefaultFlag(options.get(), f.valueName, *f.box);
  if (p.chkScale.Value() != 1) return;
  if (std::string scale = ReadStringValue(options.get(), kScale1Value); !scale.empty()) p.txtScale1.SetText(scale);
  if (std::string scale = ReadStringValue(options.get(), kScale2Value); !scale.empty()) p.txtScale2.SetText(scale);
}

void dlgNewConnection::Save() {
  if (!CheckInput(false)) return;
  const Parts& p = parts();
  // Without a folder the connection would land at the top of the store, where only folders are
  // shown and nobody would see it again: it goes into the tree's first folder instead.
  if (p.txtFolder.Text().empty()) p.txtFolder.SetText(host_.ProvideFolder());
  const ConnectionRecord record = BuildRecord();
  if (!CreateConnectionKey(record)) {
    ShowMessageId(IDS_CHANGES_NOT_SAVED, MB_OK | MB_ICONERROR, kProductTitle);
    return;
  }
  if (!host_.AddConnectionListItem(record.ConnectionName, record.Host, record.Display, record.VNCFSPort,
                                   record.FolderPath)) {
    ShowMessageId(IDS_CONNECTION_NOT_ADDED, MB_OK | MB_ICONERROR, kProductTitle);
    return;
  }
  UnloadForm();
}

}  // namespace corvana::dialogs
