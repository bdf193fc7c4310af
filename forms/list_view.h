#pragma once
// The list view: items by Key with texts, sub-items, icons and colours, column headers, four
// views, sorting by a column, hit tests, label editing and a tiled background picture.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/keyed_collection.h"
#include "forms/label_editing.h"
#include "forms/picture.h"

namespace corvana::forms {

class ImageList;
class ListView;

// Item references stay valid after the item left its list; it then only keeps its data.
class ListItem : public KeyedMember {
 public:
  // False when another item of the list has that Key.
  bool SetKey(const std::string& key);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  // Sub-items count from 1; a missing one reads empty.
  std::string SubItem(int index) const;
  void SetSubItem(int index, const std::string& text);
  int SubItemCount() const { return static_cast<int>(subItems_.size()); }
  bool Selected() const;
  void SetSelected(bool selected);
  bool Ghosted() const { return ghosted_; }
  void SetGhosted(bool ghosted);
  // CLR_DEFAULT shows the list's own colour.
  COLORREF ForeColor() const { return foreColor_; }
  void SetForeColor(COLORREF color);
  const std::string& Icon() const { return icon_; }
  void SetIcon(const std::string& key);
  const std::string& SmallIcon() const { return smallIcon_; }
  void SetSmallIcon(const std::string& key);
  ListView* ListViewOwner() const { return owner_; }
  void EnsureVisible();

 private:
  friend class ListView;
  void Redraw();
  ListView* owner_ = nullptr;
  std::string text_, tag_, icon_, smallIcon_;
  std::vector<std::string> subItems_;
  bool selected_ = false, ghosted_ = false;
  COLORREF foreColor_ = CLR_DEFAULT;
};
using ListItemRef = std::shared_ptr<ListItem>;

class ColumnHeader : public KeyedMember {
 public:
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  int Width() const;  // twips
  void SetWidth(int twips);
  // A key of the list's ColumnHeaderIcons; "" clears the icon.
  const std::string& Icon() const { return icon_; }
  void SetIcon(const std::string& key);

 private:
  friend class ListView;
  ListView* owner_ = nullptr;
  std::string text_, tag_, icon_;
  int width_ = 0;
};
using ColumnHeaderRef = std::shared_ptr<ColumnHeader>;

enum ListViewView { kIconView = 0, kSmallIconView = 1, kListView = 2, kReportView = 3 };

class ListView : public Control {
 public:
  ListView(Form& form, const ControlDecl& decl);
  ~ListView() override;

  // Null when Key is taken (an empty Key never is). Position 0 appends; a sorted list puts
  // the item where its text calls for (later sub-items do not move it; setting Sorted again does).
  ListItemRef AddItem(const std::string& key, const std::string& text, const std::string& icon = "",
                      const std::string& smallIcon = "", int position = 0);
  // Many changes in a row: while a batch lives the list neither paints nor updates its scroll
  // bars (each of which the platform would otherwise draw at once); the outermost batch ends
  // with one repaint.
  class Batch {
   public:
    explicit Batch(ListView& list);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    ListView& list_;
  };
  ListItemRef Item(int index) const;
  ListItemRef ItemByKey(const std::string& key) const;
  int ItemCount() const { return items_.Count(); }
  const std::vector<ListItemRef>& Items() const { return items_.Members(); }
  bool RemoveItem(int index);
  void ClearItems();

  ColumnHeaderRef AddColumn(const std::string& key, const std::string& text, int width);
  ColumnHeaderRef Column(int index) const;
  int ColumnCount() const { return columns_.Count(); }
  const std::vector<ColumnHeaderRef>& Columns() const { return columns_.Members(); }

  int View() const { return view_; }
  void SetView(int view);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  // 0-based column; SortOrder 0 ascending, 1 descending. Texts compare as text, without case.
  int SortKey() const { return sortKey_; }
  void SetSortKey(int key);
  int SortOrder() const { return sortOrder_; }
  void SetSortOrder(int order);

  ListItemRef HitTest(int x, int y) const;  // twips in the list's client area
  ListItemRef SelectedItem() const;
  void SetSelectedItem(const ListItemRef& item);
  void StartLabelEdit();

  void SetIcons(ImageList* list);
  void SetSmallIcons(ImageList* list);
  void SetColumnHeaderIcons(ImageList* list);
  ImageList* Icons() const { return icons_; }
  ImageList* SmallIcons() const { return smallIcons_; }
  ImageList* ColumnHeaderIcons() const { return headerIcons_; }
  // Shown tiled behind the items; null removes it.
  PictureRef Picture() const { return picture_; }
  void SetPicture(PictureRef picture);

  std::function<void(const ColumnHeaderRef&)> ColumnClick;
  std::function<void(const ListItemRef&)> ItemClick;
  BeforeLabelEditHandler BeforeLabelEdit;
  AfterLabelEditHandler AfterLabelEdit;

  void Create(HWND parent) override;
  bool OnNotify(NMHDR* hdr, LRESULT& result) override;
  bool TakesFocusOnPress() const override { return true; }

 protected:
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, LRESULT& result) override;

 private:
  friend class ListItem;
  friend class ColumnHeader;
  void InsertNative(ListItem& item);
  void Sort();
  size_t SortedPosition(const ListItem& item) const;
  int CompareItems(const ListItem& a, const ListItem& b) const;
  int ImageOf(const ListItem& item) const;
  void ApplyHeaderIcon(const ColumnHeader& column);
  void RedrawItem(const ListItem& item);

  KeyedCollection<ListItem> items_;
  KeyedCollection<ColumnHeader> columns_;
  int view_;
  bool sorted_ = false;
  int sortKey_ = 0, sortOrder_ = 0;
  LabelEditing labelEditing_;
  int batchDepth_ = 0;
  ImageList* icons_ = nullptr;
  ImageList* smallIcons_ = nullptr;
  ImageList* headerIcons_ = nullptr;
  PictureRef picture_;
  std::string textBuffer_;
};

}  // namespace corvana::forms
