#include "main_window/main_form.h"

#include "core/global_options.h"
#include "core/pcaw.h"
#include "core/registry_store.h"
#include "core/registry_upgrade.h"
#include "core/text.h"
#include "forms/file_drop.h"
#include "forms/localize_form.h"
#include "main_window/connection_list.h"
#include "main_window/folder_tree.h"
#include "main_window/program_state.h"
#include "main_window/program_version.h"
#include "main_window/tree_drag.h"
#include "main_window/window_settings.h"
#include "resources/bitmap_ids.h"
#include "resources/icon_ids.h"

namespace corvana {
namespace {

// Without a splash (a start from a test) the upgrade's status lines go nowhere.
class NoStatusLine : public UpgradeStatusLine {
 public:
  void ShowStatus(const std::string&) override {}
};

constexpr int kTreeScrollIntervalMs = 200;

}  // namespace

MainForm::MainForm(MainFormServices services) : Form(MainFormDeclaration()), services_(std::move(services)) {
  Load = [this] { Form_Load(); };
  QueryUnload = [this](int& cancel, int mode) { Form_QueryUnload(cancel, mode); };
  Resize = [this] { Form_Resize(); };
  MouseMove = [this](int b, int s, int x, int y) { Form_MouseMove(b, s, x, y); };
}

MainForm::Parts::Parts(const MainForm& f)
    : tvMain(f.Get<forms::TreeView>("tvMain")),
      lstItems(f.Get<forms::ListView>("lstItems")),
      lvCopy(f.Get<forms::ListView>("lvCopy")),
      Toolbar1(f.Get<forms::Toolbar>("Toolbar1")),
      StatusBar1(f.Get<forms::StatusBar>("StatusBar1")),
      imgSplitter(f.Get<forms::Image>("imgSplitter")),
      picSplitter(f.Get<forms::PictureBox>("picSplitter")),
      imgFolderInfo(f.Get<forms::PictureBox>("imgFolderInfo")),
      txtFolderInfo(f.Get<forms::TextBox>("txtFolderInfo")),
      txtConnInfo(f.Get<forms::TextBox>("txtConnInfo")),
      txtItemName(f.Get<forms::TextBox>("txtItemName")),
      txtdummy(f.Get<forms::TextBox>("txtdummy")),
      imgItemType(f.Get<forms::Image>("imgItemType")),
      picTYPE_FOLDER(f.Get<forms::PictureBox>("picTYPE_FOLDER")),
      picTYPE_VNC(f.Get<forms::PictureBox>("picTYPE_VNC")),
      picTYPE_PCAW(f.Get<forms::PictureBox>("picTYPE_PCAW")),
      picFolder(f.Get<forms::PictureBox>("picFolder")),
      picVNC(f.Get<forms::PictureBox>("picVNC")),
      picPCAW(f.Get<forms::PictureBox>("picPCAW")),
      picPlugin(f.Get<forms::PictureBox>("picPlugin")),
      Picture1(f.Get<forms::PictureBox>("Picture1")),
      Timer1(f.Get<forms::Timer>("Timer1")),
      Timer2(f.Get<forms::Timer>("Timer2")),
      mnuDatei(f.GetMenu("mnuDatei")),
      mnuDateiNew(f.GetMenu("mnuDateiNew")),
      mnuDateiNewFolder(f.GetMenu("mnuDateiNewFolder")),
      mnuDateiNewConnection(f.GetMenu("mnuDateiNewConnection")),
      mnuEnd(f.GetMenu("mnuEnd")),
      mnuAnsicht(f.GetMenu("mnuAnsicht")),
      mnuBigSymbols(f.GetMenu("mnuBigSymbols")),
      mnuShowSbar(f.GetMenu("mnuShowSbar")),
      mnuShowBackground(f.GetMenu("mnuShowBackground")),
      mnuShowFolderInfo(f.GetMenu("mnuShowFolderInfo")),
      mnuPluginManagement(f.GetMenu("mnuPluginManagement")),
      mnuPopUp(f.GetMenu("mnuPopUp")),
      mnuCopyConnection(f.GetMenu("mnuCopyConnection")),
      mnuPasteConnection(f.GetMenu("mnuPasteConnection")),
      mnuCutConnection(f.GetMenu("mnuCutConnection")),
      mnuRootConnect(f.GetMenu("mnuRootConnect")),
      mnuConnect(f.GetMenu("mnuConnect")),
      mnuConnectWithJava(f.GetMenu("mnuConnectWithJava")),
      mnuConnectWithInternalBrowser(f.GetMenu("mnuConnectWithInternalBrowser")),
      mnuFileTransferWithVNCFS(f.GetMenu("mnuFileTransferWithVNCFS")),
      mnuPcAW_Connect(f.GetMenu("mnuPcAW_Connect")),
      mnuTools(f.GetMenu("mnuTools")),
      mnuGetRFBVersion(f.GetMenu("mnuGetRFBVersion")),
      mnuFTP(f.GetMenu("mnuFTP")),
      mnuHTTP(f.GetMenu("mnuHTTP")),
      mnuEdit(f.GetMenu("mnuEdit")),
      mnuDelete(f.GetMenu("mnuDelete")),
      mnuRename(f.GetMenu("mnuRename")),
      mnuNew(f.GetMenu("mnuNew")),
      mnuPlugin(f.GetMenu("mnuPlugin")),
      mnuPopUpFolder(f.GetMenu("mnuPopUpFolder")),
      mnuNewFolder(f.GetMenu("mnuNewFolder")),
      mnuRenameFolder(f.GetMenu("mnuRenameFolder")),
      mnuDeleteFolder(f.GetMenu("mnuDeleteFolder")),
      mnuFolderPaste(f.GetMenu("mnuFolderPaste")),
      mnuFolderExpand(f.GetMenu("mnuFolderExpand")),
      mnuPopUpFolderLV(f.GetMenu("mnuPopUpFolderLV")),
      mnuPopUpFolderLV_open(f.GetMenu("mnuPopUpFolderLV_open")),
      mnuPopUpFolderLV_delete(f.GetMenu("mnuPopUpFolderLV_delete")),
      mnuPopUpFolderLV_copy(f.GetMenu("mnuPopUpFolderLV_copy")),
      mnuPopUpFolderLV_cut(f.GetMenu("mnuPopUpFolderLV_cut")) {}

const MainForm::Parts& MainForm::parts() const {
  if (!parts_) throw std::logic_error("frmMain is not loaded");
  return *parts_;
}

void MainForm::ControlsCreated() { parts_.emplace(*this); }

void MainForm::ControlsReleasing() {
  drag_.reset();
  drop_.reset();
  parts_.reset();
}

MainForm::~MainForm() {
  drag_.reset();
  drop_.reset();
  tray_.reset();
}

// What the designer sets beyond the declaration: pictures, image lists of the views, the tray
// control and the event handlers of the controls.
void MainForm::ApplyDesignProperties() {
  imgSplitter().SetMousePointer(9);
  lstItems().SetIcons(&ImageListNamed("imgLstLstItemsBig"));
  lstItems().SetSmallIcons(&ImageListNamed("imgLstLstItemsSmall"));
  lstItems().SetColumnHeaderIcons(&ImageListNamed("imglColHeaders"));
  tvMain().SetImageList(&ImageListNamed("imgLstTreeView"));
  imgFolderInfo().SetPicture(forms::LoadPictureResource(IDB_FOLDER_INFO));
  const COLORREF panel = imgFolderInfo().BackColor();
  const Parts& c = parts();
  c.picTYPE_FOLDER.SetPicture(forms::IconPicture(IDI_LIST_FOLDER, 32, panel));
  c.picTYPE_VNC.SetPicture(forms::IconPicture(IDI_LIST_CONNECTION, 32, panel));
  c.picTYPE_PCAW.SetPicture(forms::IconPicture(IDI_LIST_PCAW, 32, panel));
  c.picFolder.SetPicture(forms::LoadPictureResource(IDB_MENU_FOLDER));
  c.picVNC.SetPicture(forms::LoadPictureResource(IDB_MENU_VNC));
  c.picPCAW.SetPicture(forms::LoadPictureResource(IDB_MENU_PCAW));
  c.picPlugin.SetPicture(forms::LoadPictureResource(IDB_MENU_PLUGIN));
  ApplyToolbarImages(false);

  tray_ = services_.createTray ? services_.createTray() : nullptr;
  drop_ = std::make_unique<forms::FileDropTarget>(*this);
  drag_ = std::make_unique<ListToTreeDrag>(*this);
  WireLifecycle();
  WireFolderTree();
  WireConnectionList();
  WireListKeys();
  WireToolbar();
  WireSplitter();
  WireTrayMenu();
  WireListPopup();
  WireConnectCommands();
  WireClipboard();
  WireDeleteCommands();
  WireConnectionCommands();
  WirePlugins();
  WireCommands();
}

void MainForm::WireLifecycle() {
  drop_->OLEDragDrop = [this](const std::vector<std::string>& files) { Form_OLEDragDrop(files); };
  Timer2().Tick = [this] { Timer2_Timer(); };
  parts().mnuEnd.Click = [this] { mnuEnd_Click(); };
}

void MainForm::Form_Load() {
  ApplyDesignProperties();
  // 1.-3.
  forms::LocalizeForm(*this);
  ResetGlobalOptions();
  HasClip = false;
  CutMode = false;
  Timer1().SetEnabled(false);
  Timer1().SetInterval(kTreeScrollIntervalMs);
  // 4.-5.
  NoStatusLine noStatus;
  UpgradeRegistryLayout(VersionNumberText(), services_.statusLine ? *services_.statusLine : noStatus);
  if (tray_) tray_->TrayIconAdd(Icon(), VersionedTrayTip());
  // 6.-9.
  ReadGlobalOptions(*this);
  LoadMainWindowLayout(*this);
  FillFolderTree(*this);
  ClipItems = &lvCopy();
  // 10.-11.
  const std::string last = ReadRootSetting(kLastOpenFolderValue);
  if (!last.empty() && tvMain().NodeCount() > 0) ReopenFolder(*this, last);
  // 12.-15. The list's picture is always tiled.
  if (lstItems().SortKey() == 0) lstItems().SetSorted(true);
  if (tvMain().NodeCount() == 0) CreateDefaultFolder(*this);
  SizeControls(static_cast<float>(imgSplitter().Left()));
}

void MainForm::Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {
  // The program's only way out: never cancelled, never asked.
  SaveMainWindowLayout(*this);
  if (tray_) tray_->TrayIconDelete();
  if (services_.endProgram) services_.endProgram();
}

void MainForm::Form_Resize() {
  // The window is resized while it is built, before its controls exist.
  if (!parts_) return;
  if (forms::PanelRef file = StatusBar1().PanelByKey("file")) txtdummy().SetWidth(file->Width());
  if (WindowState() == forms::kMinimized) {
    if (!tray_) return;
    bool present = tray_->TrayIconRefresh();
    if (!present) present = tray_->TrayIconAdd(Icon(), "VNC Corvana");
    if (present && gOptions.SystrayIfMinimized) Hide();
    return;
  }
  SizeControls(static_cast<float>(imgSplitter().Left()));
}

void MainForm::Form_MouseMove(int, int, int X, int Y) {
  gLastMouseX = static_cast<float>(X);
  gLastMouseY = static_cast<float>(Y);
}

void MainForm::RestoreFromTray() {
  SetWindowState(forms::kNormal);
  Show();
  // A window hidden while minimised comes back minimised; it must end up normal.
  if (WindowState() != forms::kNormal) SetWindowState(forms::kNormal);
}

void MainForm::Timer2_Timer() {
  if (!tray_) return;
  if (tray_->TrayIconRefresh()) return;
  if (tray_->TrayIconAdd(Icon(), VersionedTrayTip())) return;
  // No icon to come back by: the window must not stay hidden.
  RestoreFromTray();
}

void MainForm::Form_OLEDragDrop(const std::vector<std::string>& Files) {
  forms::NodeRef folder = tvMain().SelectedItem();
  // Without a selected folder the entry would have no place in the store.
  if (!folder) return;
  const std::string folderPath = folder->FullPath();
  // A right click selects a node without opening it: the list may show another folder.
  const bool shown = EqualsNoCase(lstItems().Tag(), folderPath);
  for (const std::string& file : Files) {
    std::optional<CpcAWdata> data = PcAW().GetConnection(file);
    if (!data) continue;
    const std::string path = folderPath + "\\" + data->Name;
    // The store decides, not the list: a name taken by any entry, listed or not, is left alone.
    if (PathExists(path) || !SetPcAWFile(path, data->FileName)) continue;
    if (!shown) continue;
    forms::ListItemRef item = lstItems().AddItem(path, data->Name, "pcaw", "pcaw");
    if (!item) continue;
    item->SetTag(kPcAWTag);
    item->SetSubItem(1, data->ComputerName);
    item->SetSubItem(2, data->ConnectionType);
  }
}

void MainForm::mnuEnd_Click() { UnloadForm(forms::kFormCode); }

void MainForm::SetShowBackgroundChecked(bool checked) { parts().mnuShowBackground.SetChecked(checked); }
void MainForm::ClearListPicture() { lstItems().SetPicture(nullptr); }
bool MainForm::SetListPictureFromFile(const std::string& path) {
  forms::PictureRef picture = forms::LoadPictureFile(path);
  if (!picture) return false;
  lstItems().SetPicture(std::move(picture));
  return true;
}
void MainForm::SetListPictureFromResource(int bitmapId) { lstItems().SetPicture(forms::LoadPictureResource(bitmapId)); }

void MainForm::ApplyToolbarImages(bool big) {
  forms::Toolbar& bar = Toolbar1();
  bar.SetHotImageList(nullptr);
  bar.SetImageList(nullptr);
  bar.SetDisabledImageList(&ImageListNamed(big ? "imglToolbar_BIG_DIS" : "imglToolbar_SMALL_DIS"));
  bar.SetImageList(&ImageListNamed(big ? "imglToolbar_BIG" : "imglToolbar_SMALL"));
  for (const forms::ToolbarButtonRef& button : bar.Buttons())
    if (button->Style() != 3) button->SetImage(button->Key());
  if (forms::ToolbarButtonRef button = bar.ButtonByKey("new")) bar.SetHeight(bar.ButtonHeight());
}

}  // namespace corvana
