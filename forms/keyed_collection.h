#pragma once
// Members of a control reached by a Key that ignores case (list items, tree nodes, toolbar
// buttons, status bar panels, tabs, column headers), and for the flat ones also by a 1-based
// index. A Key is unique among the members; an empty Key is never taken and finds nothing.
#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/text.h"

namespace corvana::forms {

// Keys to members; the members live elsewhere.
template <class T>
class KeyIndex {
 public:
  T* Find(const std::string& key) const {
    if (key.empty()) return nullptr;
    auto it = byKey_.find(UpperCase(key));
    return it == byKey_.end() ? nullptr : it->second;
  }
  bool Taken(const std::string& key) const { return Find(key) != nullptr; }
  // False, changing nothing, when the Key is taken.
  bool Add(const std::string& key, T* member) {
    if (key.empty()) return true;
    return byKey_.emplace(UpperCase(key), member).second;
  }
  void Remove(const std::string& key) {
    if (!key.empty()) byKey_.erase(UpperCase(key));
  }
  // Moves the member from its old Key to a new one; false, changing nothing, when another
  // member has the new one.
  bool Rename(T* member, const std::string& oldKey, const std::string& newKey) {
    T* holder = Find(newKey);
    if (holder && holder != member) return false;
    Remove(oldKey);
    if (!newKey.empty()) byKey_[UpperCase(newKey)] = member;
    return true;
  }
  void Clear() { byKey_.clear(); }

 private:
  std::unordered_map<std::string, T*> byKey_;
};

// What a member of a KeyedCollection carries for it.
class KeyedMember {
 public:
  const std::string& Key() const { return key_; }
  // 1-based position in its collection, 0 once removed.
  int Index() const { return index_; }

 protected:
  std::string key_;

 private:
  template <class>
  friend class KeyedCollection;
  int index_ = 0;
};

// Members in their order, by index and by Key. A member taken out keeps its data.
template <class T>
class KeyedCollection {
 public:
  using Ref = std::shared_ptr<T>;

  int Count() const { return static_cast<int>(members_.size()); }
  const std::vector<Ref>& Members() const { return members_; }
  Ref At(int index) const {
    if (index < 1 || index > Count()) return nullptr;
    return members_[static_cast<size_t>(index - 1)];
  }
  Ref ByKey(const std::string& key) const {
    T* member = byKey_.Find(key);
    return member ? members_[static_cast<size_t>(member->index_ - 1)] : nullptr;
  }
  bool Taken(const std::string& key) const { return byKey_.Taken(key); }

  // Puts the member before the 0-based position `at` (the end when past it); false, adding
  // nothing, when its Key is taken.
  bool Insert(Ref member, size_t at) {
    if (!byKey_.Add(member->key_, member.get())) return false;
    at = std::min(at, members_.size());
    members_.insert(members_.begin() + static_cast<std::ptrdiff_t>(at), std::move(member));
    Renumber(at);
    return true;
  }
  bool Add(Ref member) { return Insert(std::move(member), members_.size()); }
  Ref Remove(int index) {
    Ref member = At(index);
    if (!member) return nullptr;
    byKey_.Remove(member->key_);
    members_.erase(members_.begin() + (index - 1));
    member->index_ = 0;
    Renumber(static_cast<size_t>(index - 1));
    return member;
  }
  void Clear() {
    for (auto& member : members_) member->index_ = 0;
    members_.clear();
    byKey_.Clear();
  }
  // False when another member has the Key.
  bool SetKey(T& member, const std::string& key) {
    if (!byKey_.Rename(&member, member.key_, key)) return false;
    member.key_ = key;
    return true;
  }
  template <class Less>
  void StableSort(Less less) {
    std::stable_sort(members_.begin(), members_.end(), less);
    Renumber(0);
  }

 private:
  void Renumber(size_t from) {
    for (size_t i = from; i < members_.size(); ++i) members_[i]->index_ = static_cast<int>(i + 1);
  }

  std::vector<Ref> members_;
  KeyIndex<T> byKey_;
};

}  // namespace corvana::forms
