#pragma once
// ControlGroup: membership in a group of controls of one class. Controls made
// one after another with the member flag wait in a process-wide pending list;
// the one made with the closing flag joins, and the list becomes one group
// shared by all of them (in creation order). A destroyed member leaves its
// group and the pending list, so no member ever points at a dead control.
// User-interface thread only.
#include <algorithm>
#include <memory>
#include <vector>

template <typename T>
class ControlGroup {
 public:
  ControlGroup() = default;
  ControlGroup(const ControlGroup&) = delete;
  ControlGroup& operator=(const ControlGroup&) = delete;

  void Join(T* self, bool member, bool closes) {
    if (!member) return;
    auto& pending = Pending();
    pending.push_back(self);
    if (!closes) return;
    auto group = std::make_shared<std::vector<T*>>(pending);
    for (T* m : pending) m->group_.members_ = group;
    pending.clear();
  }
  void Leave(T* self) {
    auto& pending = Pending();
    pending.erase(std::remove(pending.begin(), pending.end(), self), pending.end());
    if (members_) members_->erase(std::remove(members_->begin(), members_->end(), self), members_->end());
    members_.reset();
  }
  bool HasGroup() const { return members_ && !members_->empty(); }
  // Every member, this one included, in creation order.
  std::vector<T*> Members() const { return members_ ? *members_ : std::vector<T*>{}; }

 private:
  static std::vector<T*>& Pending() {
    static std::vector<T*> pending;
    return pending;
  }
  std::shared_ptr<std::vector<T*>> members_;
};
