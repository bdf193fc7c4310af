#include "main_window/window_settings.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/registry_store.h"
#include "core/registry_value.h"
#include "main_window/main_form.h"

namespace corvana {
namespace {

// The writer's names; the registry compares names without case, so "Top" reads "top".
constexpr const char* kLeft = "left";
constexpr const char* kTopWritten = "top";
constexpr const char* kTopRead = "Top";
constexpr const char* kHeight = "height";
constexpr const char* kWidth = "width";
constexpr const char* kView = "ConnectionTableView";
constexpr const char* kColumnWidths[] = {"ColNameWidth", "ColHostWidth", "ColDisplayWidth", "ColVNCFSPortWidth"};
constexpr const char* kFolderWidth = "FolderWidth";
constexpr const char* kSortKey = "SortKey";
constexpr const char* kSortOrder = "SortOrder";
constexpr const char* kShowStatusbar = "ShowStatusbar";
constexpr const char* kToolbarBigIcons = "ToolbarBigIcons";
constexpr const char* kShowBackground = "ShowBackground";
constexpr const char* kShowFolderInfo = "ShowFolderInfo";

// A stored number; none when the text is not one (that property then keeps its value).
std::optional<double> Number(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  double value = std::strtod(begin, &end);
  if (end == begin || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
  while (*end == ' ') ++end;
  if (*end != '\0') return std::nullopt;
  return value;
}

// Whole numbers round half to even, as the conversion to an integer does.
std::optional<long> Integer(const std::string& text, double low, double high) {
  std::optional<double> value = Number(text);
  if (!value) return std::nullopt;
  double rounded = std::nearbyint(*value);
  if (rounded < low || rounded > high) return std::nullopt;
  return static_cast<long>(rounded);
}

std::optional<long> Long(const std::string& text) { return Integer(text, -2147483648.0, 2147483647.0); }

// Single-precision lengths in twips; the window and its controls hold whole twips.
std::optional<int> Twips(const std::string& text) {
  std::optional<double> value = Number(text);
  if (!value) return std::nullopt;
  float single = static_cast<float>(*value);
  if (!std::isfinite(single) || std::fabs(single) > 1e9f) return std::nullopt;
  return static_cast<int>(std::lround(single));
}

// A whole-twips length as the text of a single-precision number: plain digits.
std::string SingleText(int twips) { return std::to_string(twips); }

const char* FlagText(bool on) { return on ? "1" : "0"; }

bool FirstIs(const std::string& text, char c) { return !text.empty() && text[0] == c; }

}  // namespace

void LoadMainWindowLayout(MainForm& frmMain) {
  RegKey product = OpenStoreKey("");
  forms::ListView& list = frmMain.lstItems();
  if (product) {
    HKEY key = product.get();
    auto read = [key](const char* name) { return ReadStringValue(key, name); };
    // 4. Geometry, each value alone.
    if (auto v = Twips(read(kLeft))) frmMain.SetLeft(*v);
    if (auto v = Twips(read(kTopRead))) frmMain.SetTop(*v);
    if (auto v = Twips(read(kHeight))) frmMain.SetHeight(*v);
    if (auto v = Twips(read(kWidth))) frmMain.SetWidth(*v);
    // 5. View, a 16-bit integer; the list knows four.
    if (auto v = Integer(read(kView), -32768, 32767); v && *v >= forms::kIconView && *v <= forms::kReportView)
      list.SetView(static_cast<int>(*v));
    // 6. Columns: none stored gives each a quarter of the list.
    long widths[4] = {-1, -1, -1, -1};
    for (int i = 0; i < 4; ++i)
      if (auto v = Long(read(kColumnWidths[i]))) widths[i] = *v;
    bool noneStored = widths[0] == -1 && widths[1] == -1 && widths[2] == -1 && widths[3] == -1;
    for (int i = 0; i < 4 && i < list.ColumnCount(); ++i) {
      forms::ColumnHeaderRef column = list.Column(i + 1);
      if (noneStored)
        column->SetWidth(list.Width() / 4);
      else if (widths[i] > -1)
        column->SetWidth(static_cast<int>(widths[i]));
    }
    // 7. Sort.
    long sortKey = -1, sortOrder = -1;
    if (auto v = Long(read(kSortKey))) sortKey = *v;
    if (auto v = Long(read(kSortOrder))) sortOrder = *v;
    if (sortKey == -1 && sortOrder == -1) {
      list.SetSorted(false);
    } else {
      // A key or order the list does not have is a failed step and left alone.
      if (sortKey > 0 && sortKey < list.ColumnCount()) list.SetSortKey(static_cast<int>(sortKey));
      if (sortOrder == 0 || sortOrder == 1) list.SetSortOrder(static_cast<int>(sortOrder));
      list.SetSorted(true);
      for (const forms::ColumnHeaderRef& column : list.Columns()) column->SetIcon("");
      if (forms::ColumnHeaderRef column = sortKey >= 0 ? list.Column(static_cast<int>(sortKey) + 1) : nullptr)
        column->SetIcon(list.SortOrder() == 0 ? "asc" : "des");
    }
    // 8.-11. The view flags.
    bool statusBar = FirstIs(read(kShowStatusbar), '1');
    frmMain.parts().mnuShowSbar.SetChecked(statusBar);
    frmMain.StatusBar1().SetVisible(statusBar);
    bool big = FirstIs(read(kToolbarBigIcons), '1');
    frmMain.parts().mnuBigSymbols.SetChecked(big);
    frmMain.ApplyToolbarImages(big);
    bool background = FirstIs(read(kShowBackground), '1');
    frmMain.SetShowBackgroundChecked(background);
    if (!background)
      frmMain.ClearListPicture();
    else if (!gOptions.BackgroundImage.empty())
      frmMain.SetListPictureFromFile(gOptions.BackgroundImage);
    else
      frmMain.SetListPictureFromResource(kDefaultBackgroundBitmap);
    bool folderInfo = !FirstIs(read(kShowFolderInfo), '0');
    frmMain.parts().mnuShowFolderInfo.SetChecked(folderInfo);
    frmMain.txtFolderInfo().SetVisible(folderInfo);
    frmMain.txtConnInfo().SetVisible(folderInfo);
    frmMain.txtItemName().SetVisible(folderInfo);
  }
  // 12. Runs without the key too, and then finds nothing.
  long folderWidth = -1;
  if (product)
    if (auto v = Long(ReadStringValue(product.get(), kFolderWidth))) folderWidth = *v;
  if (folderWidth > -1) {
    frmMain.tvMain().SetWidth(static_cast<int>(folderWidth));
    // The tree ends its gap before the splitter; without the gap the splitter would creep
    // left by it at every start.
    frmMain.imgSplitter().SetLeft(frmMain.tvMain().Left() + frmMain.tvMain().Width() + kTreeGap);
    frmMain.picSplitter().SetLeft(frmMain.imgSplitter().Left());
  }
}

void SaveMainWindowLayout(MainForm& frmMain) {
  forms::ListView& list = frmMain.lstItems();
  // A window hidden in the notification area is still minimised; its geometry is not the user's.
  HWND wnd = frmMain.hWnd();
  const bool normal = frmMain.WindowState() == forms::kNormal && !IsIconic(wnd) && !IsZoomed(wnd);
  if (normal) {
    WriteRootSetting(kTopWritten, SingleText(frmMain.Top()));
    WriteRootSetting(kLeft, SingleText(frmMain.Left()));
    WriteRootSetting(kHeight, SingleText(frmMain.Height()));
    WriteRootSetting(kWidth, SingleText(frmMain.Width()));
    WriteRootSetting(kView, std::to_string(list.View()));
    for (int i = 0; i < 4 && i < list.ColumnCount(); ++i)
      WriteRootSetting(kColumnWidths[i], SingleText(list.Column(i + 1)->Width()));
    WriteRootSetting(kFolderWidth, SingleText(frmMain.tvMain().Width()));
  }
  WriteRootSetting(kSortKey, std::to_string(list.SortKey()));
  WriteRootSetting(kSortOrder, std::to_string(list.SortOrder()));
  WriteRootSetting(kShowStatusbar, FlagText(frmMain.parts().mnuShowSbar.Checked()));
  WriteRootSetting(kToolbarBigIcons, FlagText(frmMain.parts().mnuBigSymbols.Checked()));
  WriteRootSetting(kShowBackground, FlagText(frmMain.parts().mnuShowBackground.Checked()));
  WriteRootSetting(kShowFolderInfo, FlagText(frmMain.parts().mnuShowFolderInfo.Checked()));
  if (forms::NodeRef node = frmMain.tvMain().SelectedItem()) WriteRootSetting(kLastOpenFolderValue, node->FullPath());
}

}  // namespace corvana
