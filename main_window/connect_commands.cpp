// Connect and tool commands of the list's popup menu: the VNC viewer, the browser, the Java
// viewer, pcAnywhere, the file server, FTP, HTTP and the RFB version of a server. Each takes the
// host, display and file-server port from the list item as shown, not from the store.
#include <memory>
#include <optional>
#include <string>

#include "core/browser_launch.h"
#include "core/global_options.h"
#include "core/java_viewer_command.h"
#include "core/message_box.h"
#include "core/passwords.h"
#include "core/pcaw.h"
#include "core/process_start.h"
#include "core/registry_store.h"
#include "core/service_port.h"
#include "core/vnc_viewer_launch.h"
#include "main_window/connection_list.h"
#include "main_window/launch_prompt.h"
#include "main_window/main_form.h"
#include "main_window/program_state.h"
#include "main_window/viewer_form.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

constexpr const char* kDisplayTitle = "VNC Corvana - Display";
constexpr const char* kJavaViewerTitle = "VNC Corvana Java Viewer";
constexpr const char* kStartJavaViewerTitle = "VNC Corvana Start Java Viewer";
constexpr const char* kRfbVersionText = "RFB Version ";
constexpr const char* kNoRfbVersionText = "Can not get Information";
constexpr const char* kCrLf = "\r\n";

// The sub-items of a VNC connection's list item.
constexpr int kHostColumn = 1;
constexpr int kDisplayColumn = 2;
constexpr int kFileServerPortColumn = 3;

// A display that gives no port starts nothing: the address would name another service or none.
std::optional<int> PortOrRefusal(const forms::ListItemRef& item, int base) {
  std::optional<int> port = DisplayPort16(item->SubItem(kDisplayColumn), base);
  if (!port) ShowMessageId(IDS_VALUE_NOT_NUMERIC, MB_OK | MB_ICONERROR, kDisplayTitle);
  return port;
}

}  // namespace

void MainForm::WireConnectCommands() {
  const Parts& c = parts();
  c.mnuConnect.Click = [this] { mnuConnect_Click(); };
  c.mnuConnectWithJava.Click = [this] { mnuConnectWithJava_Click(); };
  c.mnuConnectWithInternalBrowser.Click = [this] { mnuConnectWithInternalBrowser_Click(); };
  c.mnuFileTransferWithVNCFS.Click = [this] { mnuFileTransferWithVNCFS_Click(); };
  c.mnuPcAW_Connect.Click = [this] { mnuPcAW_Connect_Click(); };
  c.mnuGetRFBVersion.Click = [this] { mnuGetRFBVersion_Click(); };
  c.mnuFTP.Click = [this] { mnuFTP_Click(); };
  c.mnuHTTP.Click = [this] { mnuHTTP_Click(); };
}

void MainForm::mnuConnect_Click() {
  forms::ListView& list = lstItems();
  forms::ListItemRef item = list.HitTest(static_cast<int>(gLastMouseX), static_cast<int>(gLastMouseY));
  // A right click selects the item it opens the popup for; the context-menu key opens it for the
  // selected item, wherever the mouse was last.
  if (!(item && item->Selected()) && CountSelected(list) == 1) item = list.SelectedItem();
  if (!item) return;
  std::unique_ptr<PasswordPrompt> prompt = CreateLaunchPasswordPrompt();
  ConnectVncViewer(item->Key(), *prompt, *this);
}

void MainForm::mnuConnectWithInternalBrowser_Click() {
  forms::ListItemRef item = lstItems().SelectedItem();
  if (!item) return;
  std::optional<int> port = PortOrRefusal(item, kJavaViewerPortBase);
  if (!port) return;
  LaunchDefaultBrowser("http://" + item->SubItem(kHostColumn) + ":" + std::to_string(*port));
}

void MainForm::mnuConnectWithJava_Click() {
  forms::ListItemRef item = lstItems().SelectedItem();
  if (!item) return;
  if (gOptions.JavaClassDir.empty()) {
    ShowMessageId(IDS_JAVA_CLASSES_NOT_SET, MB_OK | MB_ICONEXCLAMATION, kJavaViewerTitle);
    return;
  }
  std::optional<std::string> classDir = ShortPathName(gOptions.JavaClassDir);
  if (!classDir) return;
  std::optional<int> port = PortOrRefusal(item, kVncPortBase);
  if (!port) return;
  const std::string password = ReadPassword(JoinItemPath(lstItems().Tag(), item->Text()));
  const std::string commandLine = JavaViewerCommandLine(gOptions.JavaRunner, gOptions.JavaRunnerSwitches, *classDir,
                                                        item->SubItem(kHostColumn), *port, password);
  StartResult started = StartCommandLine(commandLine, SW_SHOWNORMAL);
  if (!started.started)
    ShowMessage(started.errorText + kCrLf + commandLine, MB_OK | MB_ICONEXCLAMATION, kStartJavaViewerTitle);
}

void MainForm::mnuPcAW_Connect_Click() {
  forms::ListItemRef item = lstItems().SelectedItem();
  if (!item) return;
  if (PcAW().Connect(ReadPcAWFile(item->Key())) && gOptions.MinimizeAfterConnect) SetWindowState(forms::kMinimized);
}

void MainForm::mnuFileTransferWithVNCFS_Click() {
  forms::ListItemRef item = lstItems().SelectedItem();
  if (!item) return;
  LaunchDefaultBrowser("http://" + item->SubItem(kHostColumn) + ":" + item->SubItem(kFileServerPortColumn));
}

void MainForm::mnuFTP_Click() {
  forms::ListItemRef item = lstItems().SelectedItem();
  if (!item) return;
  LaunchDefaultBrowser("ftp://" + item->SubItem(kHostColumn) + "/");
}

void MainForm::mnuHTTP_Click() {
  forms::ListItemRef item = lstItems().SelectedItem();
  if (!item) return;
  LaunchDefaultBrowser("http://" + item->SubItem(kHostColumn) + "/");
}

void MainForm::mnuGetRFBVersion_Click() {
  forms::ListItemRef item = lstItems().SelectedItem();
  if (!item) return;
  std::optional<std::string> port = ProbePortText(item->SubItem(kDisplayColumn));
  if (!port) {
    ShowMessageId(IDS_VALUE_NOT_NUMERIC, MB_OK | MB_ICONERROR, kDisplayTitle);
    return;
  }
  // A fresh form for every request: its control unloads it from inside the probe, and both stay
  // until the probe has returned.
  auto frmViewer = std::make_unique<ViewerForm>();
  const std::string result = frmViewer->GetServerVersion(item->SubItem(kHostColumn), *port);
  ShowMessage(result.empty() ? kNoRfbVersionText : kRfbVersionText + result, MB_OK | MB_ICONINFORMATION);
  frmViewer->UnloadForm();
  frmViewer.reset();
}

}  // namespace corvana
