#include "forms/tree_view.h"

#include <algorithm>

#include "forms/form.h"
#include "forms/image_list.h"
#include "forms/twips.h"

namespace corvana::forms {

// ---- Node

bool Node::SetKey(const std::string& key) {
  if (owner_ && !owner_->byKey_.Rename(this, key_, key)) return false;
  key_ = key;
  return true;
}

void Node::SetText(const std::string& text) {
  text_ = text;
  if (!owner_ || !owner_->hWnd()) return;
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = item_;
  item.pszText = const_cast<char*>(text_.c_str());
  SendMessageA(owner_->hWnd(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void Node::SetImage(const std::string& key) {
  image_ = key;
  ApplyImages();
}

void Node::SetSelectedImage(const std::string& key) {
  selectedImage_ = key;
  ApplyImages();
}

void Node::SetExpandedImage(const std::string& key) {
  expandedImage_ = key;
  ApplyImages();
}

void Node::ApplyImages() {
  if (!owner_ || !owner_->hWnd()) return;
  const std::string& normal = expanded_ && !expandedImage_.empty() ? expandedImage_ : image_;
  TVITEMA item{};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = item_;
  item.iImage = owner_->ImageIndex(normal);
  item.iSelectedImage = selectedImage_.empty() ? item.iImage : owner_->ImageIndex(selectedImage_);
  SendMessageA(owner_->hWnd(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

NodeRef Node::Parent() const { return parent_.lock(); }

NodeRef Node::Next() const {
  if (!owner_) return nullptr;
  NodeRef parent = parent_.lock();
  const auto& siblings = parent ? parent->children_ : owner_->roots_;
  auto it = std::find_if(siblings.begin(), siblings.end(), [this](const NodeRef& n) { return n.get() == this; });
  if (it == siblings.end() || ++it == siblings.end()) return nullptr;
  return *it;
}

std::string Node::FullPath() const {
  std::string path = text_;
  for (NodeRef p = parent_.lock(); p; p = p->parent_.lock()) path = p->text_ + "\\" + path;
  return path;
}

void Node::SetExpanded(bool expanded) {
  if (expanded == expanded_) return;
  if (!owner_) {
    expanded_ = expanded;
    return;
  }
  owner_->RaiseExpandOrCollapse(*this, expanded);
}

bool Node::Selected() const {
  return owner_ && owner_->hWnd() && TreeView_GetSelection(owner_->hWnd()) == item_;
}

void Node::SetSelected(bool selected) {
  if (!owner_ || !owner_->hWnd()) return;
  if (selected)
    TreeView_SelectItem(owner_->hWnd(), item_);
  else if (Selected())
    TreeView_SelectItem(owner_->hWnd(), nullptr);
}

void Node::EnsureVisible() {
  if (!owner_ || !owner_->hWnd()) return;
  // The ancestors open without raising Expand: the caller asked to see this node, not to reload them.
  owner_->expandingByCode_ = true;
  TreeView_EnsureVisible(owner_->hWnd(), item_);
  owner_->expandingByCode_ = false;
  for (NodeRef p = parent_.lock(); p; p = p->parent_.lock()) {
    if (!p->expanded_) {
      p->expanded_ = true;
      p->ApplyImages();
    }
  }
}

// ---- TreeView

TreeView::TreeView(Form& form, const ControlDecl& decl) : Control(form, decl) {}

TreeView::~TreeView() {
  for (auto& root : roots_) Forget(*root);
}

void TreeView::Create(HWND parent) {
  // The tree raises no drag of its own nodes, so a press on a node is always a click, however
  // the mouse trembles; a form that drags onto the tree does so by hand.
  DWORD style = WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_EDITLABELS |
                TVS_DISABLEDRAGDROP;
  CreateChild(WC_TREEVIEWA, style, WS_EX_CLIENTEDGE, parent);
}

int TreeView::ImageIndex(const std::string& key) const {
  int index = images_ ? images_->IndexOf(key) : -1;
  return index < 0 ? I_IMAGENONE : index;
}

void TreeView::InsertNative(Node& node, HTREEITEM parent, HTREEITEM after) {
  if (!hWnd()) return;
  TVINSERTSTRUCTA ins{};
  ins.hParent = parent;
  ins.hInsertAfter = after;
  ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  ins.item.pszText = const_cast<char*>(node.text_.c_str());
  ins.item.lParam = reinterpret_cast<LPARAM>(&node);
  ins.item.iImage = ImageIndex(node.image_);
  ins.item.iSelectedImage = node.selectedImage_.empty() ? ins.item.iImage : ImageIndex(node.selectedImage_);
  node.item_ = reinterpret_cast<HTREEITEM>(SendMessageA(hWnd(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
}

NodeRef TreeView::AddNode(const NodeRef& relative, int relationship, const std::string& key, const std::string& text,
                          const std::string& image, const std::string& selectedImage) {
  if (byKey_.Taken(key)) return nullptr;
  bool related = relative && relative->owner_ == this;
  NodeRef parent;
  if (related) parent = relationship == kChild ? relative : relative->parent_.lock();
  auto& siblings = parent ? parent->children_ : roots_;

  auto node = std::make_shared<Node>();
  node->owner_ = this;
  node->parent_ = parent;
  node->key_ = key;
  node->text_ = text;
  node->image_ = image;
  node->selectedImage_ = selectedImage;

  size_t at = siblings.size();
  HTREEITEM after = TVI_LAST;
  if (related && relationship != kChild && relationship != kLast) {
    auto it = std::find(siblings.begin(), siblings.end(), relative);
    size_t pos = static_cast<size_t>(it - siblings.begin());
    if (relationship == kFirst) {
      at = 0;
      after = TVI_FIRST;
    } else if (relationship == kNext) {
      at = pos + 1;
      after = relative->item_;
    } else {  // kPrevious
      at = pos;
      after = pos == 0 ? TVI_FIRST : siblings[pos - 1]->item_;
    }
  }
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(at), node);
  byKey_.Add(key, node.get());
  ++count_;
  InsertNative(*node, parent ? parent->item_ : TVI_ROOT, after);
  return node;
}

NodeRef TreeView::NodeByKey(const std::string& key) const {
  Node* node = byKey_.Find(key);
  return node ? node->shared_from_this() : nullptr;
}

void TreeView::Forget(Node& node) {
  for (auto& child : node.children_) Forget(*child);
  if (node.owner_ == this) {
    byKey_.Remove(node.key_);
    --count_;
  }
  node.owner_ = nullptr;
  node.item_ = nullptr;
}

bool TreeView::RemoveNode(const NodeRef& node) {
  if (!node || node->owner_ != this) return false;
  NodeRef keep = node;
  if (hWnd()) TreeView_DeleteItem(hWnd(), node->item_);
  NodeRef parent = node->parent_.lock();
  auto& siblings = parent ? parent->children_ : roots_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
  Forget(*node);
  node->parent_.reset();
  return true;
}

void TreeView::ClearNodes() {
  if (hWnd()) TreeView_DeleteAllItems(hWnd());
  for (auto& root : roots_) {
    Forget(*root);
    root->parent_.reset();
  }
  roots_.clear();
  count_ = 0;
}

NodeRef TreeView::FromItem(HTREEITEM item) const {
  if (!hWnd() || !item) return nullptr;
  TVITEMA info{};
  info.mask = TVIF_PARAM;
  info.hItem = item;
  if (!SendMessageA(hWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info))) return nullptr;
  auto* node = reinterpret_cast<Node*>(info.lParam);
  return node && node->owner_ == this ? node->shared_from_this() : nullptr;
}

NodeRef TreeView::SelectedItem() const { return hWnd() ? FromItem(TreeView_GetSelection(hWnd())) : nullptr; }

void TreeView::SetSelectedItem(const NodeRef& node) {
  if (node && node->owner_ == this) node->SetSelected(true);
}

void TreeView::SetDropHighlight(const NodeRef& node) {
  NodeRef target = node && node->owner_ == this ? node : nullptr;
  dropHighlight_ = target;
  if (hWnd()) TreeView_SelectDropTarget(hWnd(), target ? target->item_ : nullptr);
}

NodeRef TreeView::HitTest(int x, int y) const {
  if (!hWnd()) return nullptr;
  TVHITTESTINFO info{};
  info.pt = {TwipsToPixelsX(x), TwipsToPixelsY(y)};
  HTREEITEM item = TreeView_HitTest(hWnd(), &info);
  return item && (info.flags & TVHT_ONITEM) ? FromItem(item) : nullptr;
}

void TreeView::StartLabelEdit() {
  HTREEITEM item = hWnd() ? TreeView_GetSelection(hWnd()) : nullptr;
  if (!item) return;
  labelEditing_.StartByCode(hWnd(), [&] { TreeView_EditLabel(hWnd(), item); });
}

void TreeView::SetImageList(ImageList* list) {
  images_ = list;
  if (hWnd()) TreeView_SetImageList(hWnd(), list ? list->handle() : nullptr, TVSIL_NORMAL);
}

void TreeView::RaiseExpandOrCollapse(Node& node, bool expand) {
  NodeRef keep = node.shared_from_this();
  node.expanded_ = expand;
  if (expand && Expand) Expand(keep);
  if (!expand && Collapse) Collapse(keep);
  if (node.owner_ != this || !hWnd()) return;
  expandingByCode_ = true;
  TreeView_Expand(hWnd(), node.item_, expand ? TVE_EXPAND : TVE_COLLAPSE);
  expandingByCode_ = false;
  node.ApplyImages();
}

bool TreeView::OnNotify(NMHDR* hdr, LRESULT& result) {
  switch (hdr->code) {
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDINGW: {
      result = FALSE;
      if (expandingByCode_) return true;
      auto* info = reinterpret_cast<NMTREEVIEWA*>(hdr);
      NodeRef node = FromItem(info->itemNew.hItem);
      if (!node) return true;
      bool expand = (info->action & TVE_EXPAND) != 0;
      if (expand != node->expanded_) {
        node->expanded_ = expand;
        if (expand && Expand) Expand(node);
        if (!expand && Collapse) Collapse(node);
        if (node->owner_ == this) node->ApplyImages();
      }
      return true;
    }
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW: {
      auto* info = reinterpret_cast<NMTREEVIEWA*>(hdr);
      if (info->action == TVC_BYKEYBOARD && NodeClick)
        if (NodeRef node = FromItem(info->itemNew.hItem)) NodeClick(node);
      result = 0;
      return true;
    }
    case NM_CLICK: {
      DWORD pos = GetMessagePos();
      TVHITTESTINFO info{};
      info.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
      ScreenToClient(hWnd(), &info.pt);
      HTREEITEM item = TreeView_HitTest(hWnd(), &info);
      if (item && (info.flags & TVHT_ONITEM)) {
        // The click selects the node before the event sees it.
        TreeView_SelectItem(hWnd(), item);
        if (NodeRef node = FromItem(item); node && NodeClick) NodeClick(node);
      }
      if (Click) Click();
      result = 0;
      return true;
    }
    case NM_DBLCLK:
      if (DblClick) DblClick();
      result = 0;
      return true;
    case TVN_BEGINLABELEDITA:
    case TVN_BEGINLABELEDITW:
      result = labelEditing_.OnBegin(ExtraInt("LabelEdit", 0) == 1, BeforeLabelEdit);
      return true;
    case TVN_ENDLABELEDITA:
    case TVN_ENDLABELEDITW: {
      auto* info = reinterpret_cast<NMTVDISPINFOA*>(hdr);
      NodeRef node = FromItem(info->item.hItem);
      auto text = labelEditing_.OnEnd(info->item.pszText, hdr->code == TVN_ENDLABELEDITW, AfterLabelEdit);
      if (text && node && node->owner_ == this) node->SetText(*text);
      result = FALSE;
      return true;
    }
    default:
      return false;
  }
}

void TreeView::ScrollLine(bool up) {
  if (hWnd()) SendMessageA(hWnd(), WM_VSCROLL, up ? SB_LINEUP : SB_LINEDOWN, 0);
}

}  // namespace corvana::forms
