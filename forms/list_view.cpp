#include "forms/list_view.h"

#include <algorithm>

#include "forms/form.h"
#include "forms/image_list.h"
#include "forms/twips.h"

namespace corvana::forms {

// ---- ListItem

bool ListItem::SetKey(const std::string& key) {
  if (owner_) return owner_->items_.SetKey(*this, key);
  key_ = key;
  return true;
}

void ListItem::SetText(const std::string& text) {
  text_ = text;
  Redraw();
}

std::string ListItem::SubItem(int index) const {
  if (index < 1 || index > static_cast<int>(subItems_.size())) return {};
  return subItems_[static_cast<size_t>(index - 1)];
}

void ListItem::SetSubItem(int index, const std::string& text) {
  if (index < 1) return;
  if (static_cast<size_t>(index) > subItems_.size()) subItems_.resize(static_cast<size_t>(index));
  subItems_[static_cast<size_t>(index - 1)] = text;
  Redraw();
}

bool ListItem::Selected() const {
  if (!owner_ || !owner_->hWnd()) return selected_;
  return ListView_GetItemState(owner_->hWnd(), Index() - 1, LVIS_SELECTED) & LVIS_SELECTED;
}

void ListItem::SetSelected(bool selected) {
  selected_ = selected;
  if (owner_ && owner_->hWnd())
    ListView_SetItemState(owner_->hWnd(), Index() - 1, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListItem::SetGhosted(bool ghosted) {
  ghosted_ = ghosted;
  if (owner_ && owner_->hWnd()) ListView_SetItemState(owner_->hWnd(), Index() - 1, ghosted ? LVIS_CUT : 0, LVIS_CUT);
}

void ListItem::SetForeColor(COLORREF color) {
  foreColor_ = color;
  Redraw();
}

void ListItem::SetIcon(const std::string& key) {
  icon_ = key;
  Redraw();
}

void ListItem::SetSmallIcon(const std::string& key) {
  smallIcon_ = key;
  Redraw();
}

void ListItem::EnsureVisible() {
  if (owner_ && owner_->hWnd()) ListView_EnsureVisible(owner_->hWnd(), Index() - 1, FALSE);
}

void ListItem::Redraw() {
  if (owner_) owner_->RedrawItem(*this);
}

// ---- ColumnHeader

void ColumnHeader::SetText(const std::string& text) {
  text_ = text;
  if (!owner_ || !owner_->hWnd()) return;
  LVCOLUMNA col{};
  col.mask = LVCF_TEXT;
  col.pszText = const_cast<char*>(text_.c_str());
  SendMessageA(owner_->hWnd(), LVM_SETCOLUMNA, Index() - 1, reinterpret_cast<LPARAM>(&col));
}

int ColumnHeader::Width() const {
  // Only the report view shows the columns; in the other views the header keeps its width.
  if (!owner_ || !owner_->hWnd() || owner_->View() != kReportView) return width_;
  int px = ListView_GetColumnWidth(owner_->hWnd(), Index() - 1);
  return KeptTwipsX(width_, px);
}

void ColumnHeader::SetWidth(int twips) {
  if (twips < 0) return;
  width_ = twips;
  if (owner_ && owner_->hWnd() && owner_->View() == kReportView)
    ListView_SetColumnWidth(owner_->hWnd(), Index() - 1, TwipsToPixelsX(twips));
}

void ColumnHeader::SetIcon(const std::string& key) {
  icon_ = key;
  if (owner_) owner_->ApplyHeaderIcon(*this);
}

// ---- ListView

ListView::ListView(Form& form, const ControlDecl& decl) : Control(form, decl), view_(ExtraInt("View", kIconView)) {
  sorted_ = ExtraFlag("Sorted");
  sortKey_ = ExtraInt("SortKey", 0);
  sortOrder_ = ExtraInt("SortOrder", 0);
}

ListView::~ListView() {
  for (auto& item : items_.Members()) item->owner_ = nullptr;
  for (auto& col : columns_.Members()) col->owner_ = nullptr;
}

namespace {

DWORD NativeView(int view) {
  switch (view) {
    case kSmallIconView: return LVS_SMALLICON;
    case kListView: return LVS_LIST;
    case kReportView: return LVS_REPORT;
    default: return LVS_ICON;
  }
}

}  // namespace

void ListView::Create(HWND parent) {
  DWORD style = WS_TABSTOP | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_AUTOARRANGE | NativeView(view_);
  if (!ExtraFlag("MultiSelect")) style |= LVS_SINGLESEL;
  if (ExtraFlag("HideColumnHeaders")) style |= LVS_NOCOLUMNHEADER;
  CreateChild(WC_LISTVIEWA, style, WS_EX_CLIENTEDGE, parent);
  if (ExtraFlag("FullRowSelect")) ListView_SetExtendedListViewStyle(hWnd(), LVS_EX_FULLROWSELECT);
  for (auto& c : decl_.columns)
    if (auto col = AddColumn(c.key, c.text, c.width)) col->tag_ = c.tag;
}

ListItemRef ListView::AddItem(const std::string& key, const std::string& text, const std::string& icon,
                              const std::string& smallIcon, int position) {
  if (items_.Taken(key)) return nullptr;
  auto item = std::make_shared<ListItem>();
  item->owner_ = this;
  item->key_ = key;
  item->text_ = text;
  item->icon_ = icon;
  item->smallIcon_ = smallIcon;
  size_t at = items_.Members().size();
  if (sorted_)
    at = SortedPosition(*item);
  else if (position >= 1 && position <= ItemCount())
    at = static_cast<size_t>(position - 1);
  items_.Insert(item, at);
  InsertNative(*item);
  return item;
}

ListView::Batch::Batch(ListView& list) : list_(list) {
  if (list_.batchDepth_++ == 0 && list_.hWnd()) SendMessageA(list_.hWnd(), WM_SETREDRAW, FALSE, 0);
}

ListView::Batch::~Batch() {
  if (--list_.batchDepth_ > 0 || !list_.hWnd()) return;
  SendMessageA(list_.hWnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_.hWnd(), nullptr, TRUE);
}

void ListView::InsertNative(ListItem& item) {
  if (!hWnd()) return;
  LVITEMA native{};
  native.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
  native.iItem = item.Index() - 1;
  native.pszText = LPSTR_TEXTCALLBACKA;
  native.iImage = I_IMAGECALLBACK;
  native.lParam = reinterpret_cast<LPARAM>(&item);
  SendMessageA(hWnd(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&native));
}

ListItemRef ListView::Item(int index) const { return items_.At(index); }

ListItemRef ListView::ItemByKey(const std::string& key) const { return items_.ByKey(key); }

bool ListView::RemoveItem(int index) {
  ListItemRef item = Item(index);
  if (!item) return false;
  item->selected_ = item->Selected();
  if (hWnd()) ListView_DeleteItem(hWnd(), index - 1);
  items_.Remove(index);
  item->owner_ = nullptr;
  return true;
}

void ListView::ClearItems() {
  if (hWnd()) ListView_DeleteAllItems(hWnd());
  for (auto& item : items_.Members()) item->owner_ = nullptr;
  items_.Clear();
}

ColumnHeaderRef ListView::AddColumn(const std::string& key, const std::string& text, int width) {
  auto col = std::make_shared<ColumnHeader>();
  col->owner_ = this;
  col->key_ = key;
  col->text_ = text;
  col->width_ = width;
  if (!columns_.Add(col)) return nullptr;
  if (hWnd()) {
    LVCOLUMNA native{};
    native.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    native.pszText = const_cast<char*>(col->text_.c_str());
    native.cx = TwipsToPixelsX(width);
    native.iSubItem = col->Index() - 1;
    SendMessageA(hWnd(), LVM_INSERTCOLUMNA, col->Index() - 1, reinterpret_cast<LPARAM>(&native));
  }
  return col;
}

ColumnHeaderRef ListView::Column(int index) const { return columns_.At(index); }

void ListView::SetView(int view) {
  if (view < kIconView || view > kReportView) return;
  // Widths the user dragged in the report view stay with the headers while it is not shown.
  if (view_ == kReportView && view != kReportView)
    for (auto& column : columns_.Members()) column->width_ = column->Width();
  view_ = view;
  if (!hWnd()) return;
  LONG style = GetWindowLongA(hWnd(), GWL_STYLE);
  SetWindowLongA(hWnd(), GWL_STYLE, static_cast<LONG>((style & ~LVS_TYPEMASK) | NativeView(view)));
  if (view == kReportView)
    for (auto& column : columns_.Members())
      ListView_SetColumnWidth(hWnd(), column->Index() - 1, TwipsToPixelsX(column->width_));
  InvalidateRect(hWnd(), nullptr, TRUE);
}

void ListView::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) Sort();
}

void ListView::SetSortKey(int key) {
  if (key < 0) return;
  sortKey_ = key;
  if (sorted_) Sort();
}

void ListView::SetSortOrder(int order) {
  if (order != 0 && order != 1) return;
  sortOrder_ = order;
  if (sorted_) Sort();
}

int ListView::CompareItems(const ListItem& a, const ListItem& b) const {
  std::string ta = sortKey_ == 0 ? a.text_ : a.SubItem(sortKey_);
  std::string tb = sortKey_ == 0 ? b.text_ : b.SubItem(sortKey_);
  int c = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, ta.c_str(), -1, tb.c_str(), -1) - CSTR_EQUAL;
  return sortOrder_ == 1 ? -c : c;
}

size_t ListView::SortedPosition(const ListItem& item) const {
  const auto& items = items_.Members();
  auto it = std::upper_bound(items.begin(), items.end(), &item,
                             [this](const ListItem* a, const ListItemRef& b) { return CompareItems(*a, *b) < 0; });
  return static_cast<size_t>(it - items.begin());
}

namespace {

int CALLBACK ByPosition(LPARAM a, LPARAM b, LPARAM) {
  return reinterpret_cast<ListItem*>(a)->Index() - reinterpret_cast<ListItem*>(b)->Index();
}

}  // namespace

void ListView::Sort() {
  items_.StableSort([this](const ListItemRef& a, const ListItemRef& b) { return CompareItems(*a, *b) < 0; });
  if (hWnd()) ListView_SortItems(hWnd(), ByPosition, 0);
}

ListItemRef ListView::HitTest(int x, int y) const {
  if (!hWnd()) return nullptr;
  LVHITTESTINFO info{};
  info.pt = {TwipsToPixelsX(x), TwipsToPixelsY(y)};
  int index = ListView_HitTest(hWnd(), &info);
  if (index < 0 || !(info.flags & LVHT_ONITEM)) return nullptr;
  return Item(index + 1);
}

ListItemRef ListView::SelectedItem() const {
  if (!hWnd()) return nullptr;
  int index = ListView_GetNextItem(hWnd(), -1, LVNI_FOCUSED | LVNI_SELECTED);
  if (index < 0) index = ListView_GetNextItem(hWnd(), -1, LVNI_SELECTED);
  return index < 0 ? nullptr : Item(index + 1);
}

void ListView::SetSelectedItem(const ListItemRef& item) {
  if (!hWnd() || !item || item->owner_ != this) return;
  ListView_SetItemState(hWnd(), item->Index() - 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListView::StartLabelEdit() {
  ListItemRef item = SelectedItem();
  if (!hWnd() || !item) return;
  labelEditing_.StartByCode(hWnd(), [&] { ListView_EditLabel(hWnd(), item->Index() - 1); });
}

void ListView::SetIcons(ImageList* list) {
  icons_ = list;
  if (hWnd()) ListView_SetImageList(hWnd(), list ? list->handle() : nullptr, LVSIL_NORMAL);
}

void ListView::SetSmallIcons(ImageList* list) {
  smallIcons_ = list;
  if (!hWnd()) return;
  ListView_SetImageList(hWnd(), list ? list->handle() : nullptr, LVSIL_SMALL);
  // The list hands its small images to the header; the header keeps its own.
  SetColumnHeaderIcons(headerIcons_);
}

void ListView::SetColumnHeaderIcons(ImageList* list) {
  headerIcons_ = list;
  if (!hWnd()) return;
  Header_SetImageList(ListView_GetHeader(hWnd()), list ? list->handle() : nullptr);
  for (auto& col : columns_.Members()) ApplyHeaderIcon(*col);
}

void ListView::ApplyHeaderIcon(const ColumnHeader& column) {
  if (!hWnd()) return;
  HWND header = ListView_GetHeader(hWnd());
  HDITEMA item{};
  item.mask = HDI_FORMAT;
  SendMessageA(header, HDM_GETITEMA, column.Index() - 1, reinterpret_cast<LPARAM>(&item));
  int image = headerIcons_ ? headerIcons_->IndexOf(column.icon_) : -1;
  item.mask = HDI_FORMAT | HDI_IMAGE;
  if (image >= 0) {
    item.fmt |= HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
    item.iImage = image;
  } else {
    item.fmt &= ~(HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
    item.iImage = 0;
  }
  SendMessageA(header, HDM_SETITEMA, column.Index() - 1, reinterpret_cast<LPARAM>(&item));
}

void ListView::SetPicture(PictureRef picture) {
  picture_ = std::move(picture);
  if (!hWnd()) return;
  // The list paints the tiles itself (below) and draws its items over them without a background.
  COLORREF back = picture_ && picture_->bitmap() ? CLR_NONE : GetSysColor(COLOR_WINDOW);
  ListView_SetBkColor(hWnd(), back);
  ListView_SetTextBkColor(hWnd(), back);
  InvalidateRect(hWnd(), nullptr, TRUE);
}

bool ListView::OnMessage(UINT msg, WPARAM w, LPARAM, LRESULT& result) {
  if (msg != WM_ERASEBKGND || !picture_ || !picture_->bitmap() || picture_->widthPixels() <= 0 ||
      picture_->heightPixels() <= 0)
    return false;
  HDC dc = reinterpret_cast<HDC>(w);
  RECT rc{};
  GetClientRect(hWnd(), &rc);
  MemoryDc src(CreateCompatibleDC(dc));
  SelectedObject sel(src.get(), picture_->bitmap());
  for (int y = 0; y < rc.bottom; y += picture_->heightPixels())
    for (int x = 0; x < rc.right; x += picture_->widthPixels())
      BitBlt(dc, x, y, picture_->widthPixels(), picture_->heightPixels(), src.get(), 0, 0, SRCCOPY);
  result = 1;
  return true;
}

int ListView::ImageOf(const ListItem& item) const {
  ImageList* list = view_ == kIconView ? icons_ : smallIcons_;
  const std::string& key = view_ == kIconView ? item.icon_ : item.smallIcon_;
  return list ? list->IndexOf(key) : -1;
}

void ListView::RedrawItem(const ListItem& item) {
  // A batch repaints the whole list when it ends.
  if (hWnd() && item.Index() > 0 && batchDepth_ == 0) {
    ListView_RedrawItems(hWnd(), item.Index() - 1, item.Index() - 1);
    UpdateWindow(hWnd());
  }
}

bool ListView::OnNotify(NMHDR* hdr, LRESULT& result) {
  switch (hdr->code) {
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(hdr);
      auto* item = reinterpret_cast<ListItem*>(info->item.lParam);
      if (!item) return false;
      if (info->item.mask & LVIF_TEXT) {
        textBuffer_ = info->item.iSubItem == 0 ? item->text_ : item->SubItem(info->item.iSubItem);
        if (hdr->code == LVN_GETDISPINFOA) {
          lstrcpynA(info->item.pszText, textBuffer_.c_str(), info->item.cchTextMax);
        } else {
          auto* wide = reinterpret_cast<NMLVDISPINFOW*>(hdr);
          int n = MultiByteToWideChar(CP_ACP, 0, textBuffer_.c_str(), -1, wide->item.pszText, wide->item.cchTextMax);
          if (n == 0 && wide->item.cchTextMax > 0) wide->item.pszText[wide->item.cchTextMax - 1] = L'\0';
        }
      }
      if (info->item.mask & LVIF_IMAGE) info->item.iImage = ImageOf(*item);
      result = 0;
      return true;
    }
    case NM_CUSTOMDRAW: {
      auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(hdr);
      if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        result = CDRF_NOTIFYITEMDRAW;
        return true;
      }
      if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        auto* item = reinterpret_cast<ListItem*>(draw->nmcd.lItemlParam);
        if (item && item->foreColor_ != CLR_DEFAULT) draw->clrText = item->foreColor_;
        result = CDRF_DODEFAULT;
        return true;
      }
      return false;
    }
    case LVN_COLUMNCLICK: {
      auto* info = reinterpret_cast<NMLISTVIEW*>(hdr);
      if (ColumnHeaderRef col = Column(info->iSubItem + 1); col && ColumnClick) ColumnClick(col);
      result = 0;
      return true;
    }
    case NM_CLICK:
      if (ItemClick) {
        auto* info = reinterpret_cast<NMITEMACTIVATE*>(hdr);
        if (ListItemRef item = Item(info->iItem + 1)) ItemClick(item);
      }
      if (Click) Click();
      result = 0;
      return true;
    case NM_DBLCLK:
      if (DblClick) DblClick();
      result = 0;
      return true;
    case LVN_BEGINLABELEDITA:
    case LVN_BEGINLABELEDITW:
      result = labelEditing_.OnBegin(ExtraInt("LabelEdit", 0) == 1, BeforeLabelEdit);
      return true;
    case LVN_ENDLABELEDITA:
    case LVN_ENDLABELEDITW: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(hdr);
      ListItemRef item = Item(info->item.iItem + 1);
      auto text = labelEditing_.OnEnd(info->item.pszText, hdr->code == LVN_ENDLABELEDITW, AfterLabelEdit);
      if (text && item && item->owner_ == this) {
        item->text_ = *text;
        RedrawItem(*item);
      }
      result = FALSE;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace corvana::forms
