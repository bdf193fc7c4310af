#pragma once
// What the connection dialogs and the .vnc import need of the main window, which implements it:
// its form as their owner, its selected folder, and its list for a connection just stored.
#include <string>

namespace corvana::forms {
class Form;
}

namespace corvana::dialogs {

class ConnectionDialogHost {
 public:
  virtual ~ConnectionDialogHost() = default;
  // The window the dialogs and the file dialog are modal to.
  virtual forms::Form& OwnerForm() = 0;
  // The ItemPath of the folder selected in the main window's tree; "" when none is selected.
  virtual std::string SelectedFolder() = 0;
  // A folder for a new connection whose opener named none: the tree's first folder, created when
  // needed, selected and shown. Its ItemPath.
  virtual std::string ProvideFolder() = 0;
  // Shows a connection just stored in the main window's list; False when it cannot.
  virtual bool AddConnectionListItem(const std::string& Name, const std::string& Host, const std::string& Display,
                                     const std::string& VNCFSPort, const std::string& Folder) = 0;
};

}  // namespace corvana::dialogs
