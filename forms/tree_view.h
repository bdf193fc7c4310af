#pragma once
// The tree view: nodes by Key with texts and image keys, parents and children, FullPath with
// "\" between the texts, expanding and collapsing with their events, drop highlight, hit tests
// and label editing.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/keyed_collection.h"
#include "forms/label_editing.h"

namespace corvana::forms {

class ImageList;
class TreeView;
class Node;
using NodeRef = std::shared_ptr<Node>;

// Node references stay valid after the node left its tree; it then only keeps its data.
class Node : public std::enable_shared_from_this<Node> {
 public:
  const std::string& Key() const { return key_; }
  // False when another node of the tree has that Key.
  bool SetKey(const std::string& key);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  const std::string& Image() const { return image_; }
  void SetImage(const std::string& key);
  const std::string& SelectedImage() const { return selectedImage_; }
  void SetSelectedImage(const std::string& key);
  const std::string& ExpandedImage() const { return expandedImage_; }
  void SetExpandedImage(const std::string& key);

  NodeRef Parent() const;
  int Children() const { return static_cast<int>(children_.size()); }
  NodeRef Child() const { return children_.empty() ? nullptr : children_.front(); }
  const std::vector<NodeRef>& ChildNodes() const { return children_; }
  NodeRef Next() const;
  std::string FullPath() const;

  // Setting it raises the tree's Expand or Collapse event when the state changes.
  bool Expanded() const { return expanded_; }
  void SetExpanded(bool expanded);
  bool Selected() const;
  void SetSelected(bool selected);
  void EnsureVisible();
  TreeView* TreeViewOwner() const { return owner_; }

 private:
  friend class TreeView;
  void ApplyImages();
  TreeView* owner_ = nullptr;
  std::weak_ptr<Node> parent_;
  HTREEITEM item_ = nullptr;
  std::string key_, text_, tag_, image_, selectedImage_, expandedImage_;
  std::vector<NodeRef> children_;
  bool expanded_ = false;
};

// Where a new node goes relative to another.
enum NodeRelationship { kFirst = 0, kLast = 1, kNext = 2, kPrevious = 3, kChild = 4 };

class TreeView : public Control {
 public:
  TreeView(Form& form, const ControlDecl& decl);
  ~TreeView() override;

  // Relative null (or not of this tree) adds a top-level node at the end. Null when Key is
  // taken (an empty Key never is).
  NodeRef AddNode(const NodeRef& relative, int relationship, const std::string& key, const std::string& text,
                  const std::string& image = "", const std::string& selectedImage = "");
  NodeRef NodeByKey(const std::string& key) const;
  int NodeCount() const { return count_; }
  const std::vector<NodeRef>& Roots() const { return roots_; }
  // Removes the node with all below it.
  bool RemoveNode(const NodeRef& node);
  void ClearNodes();

  NodeRef SelectedItem() const;
  void SetSelectedItem(const NodeRef& node);
  NodeRef DropHighlight() const { return dropHighlight_.lock(); }
  void SetDropHighlight(const NodeRef& node);
  NodeRef HitTest(int x, int y) const;  // twips in the tree's client area
  void StartLabelEdit();
  // Scrolls the tree's view one line up or down, as its scroll bar's arrows do.
  void ScrollLine(bool up);
  void SetImageList(ImageList* list);
  ImageList* ImageListOf() const { return images_; }
  const std::string& PathSeparator() const { return separator_; }

  std::function<void(const NodeRef&)> Expand, Collapse, NodeClick;
  BeforeLabelEditHandler BeforeLabelEdit;
  AfterLabelEditHandler AfterLabelEdit;

  void Create(HWND parent) override;
  bool OnNotify(NMHDR* hdr, LRESULT& result) override;
  bool TakesFocusOnPress() const override { return true; }

 private:
  friend class Node;
  void InsertNative(Node& node, HTREEITEM parent, HTREEITEM after);
  void Forget(Node& node);
  NodeRef FromItem(HTREEITEM item) const;
  int ImageIndex(const std::string& key) const;
  void RaiseExpandOrCollapse(Node& node, bool expand);

  std::vector<NodeRef> roots_;
  KeyIndex<Node> byKey_;
  int count_ = 0;
  std::weak_ptr<Node> dropHighlight_;
  ImageList* images_ = nullptr;
  std::string separator_ = "\\";
  bool expandingByCode_ = false;
  LabelEditing labelEditing_;
};

}  // namespace corvana::forms
