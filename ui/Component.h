// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/Object.h"

namespace ui {

// A named object that owns the components created on it and destroys them
// with itself, the latest first.
class Component : public TObject {
 public:
  ~Component() override { DestroyComponents(); }

  [[nodiscard]] const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // The owned components, in the order they were created.
  [[nodiscard]] const std::vector<std::unique_ptr<Component>>& Components() const { return components_; }

  // Creates a component owned by this one and returns it.
  template <class T, class... Args>
  T& Create(Args&&... args) {
    auto component = std::make_unique<T>(std::forward<Args>(args)...);
    T& created = *component;
    components_.push_back(std::move(component));
    return created;
  }

 protected:
  // Destroys the owned components now, the latest first, one at a time so
  // that the list stays valid for anything a destructor looks up. A derived
  // class whose components refer to its own members calls this in its
  // destructor.
  void DestroyComponents() {
    while (!components_.empty()) {
      const std::unique_ptr<Component> last = std::move(components_.back());
      components_.pop_back();
    }
  }

 private:
  std::string name_;
  std::vector<std::unique_ptr<Component>> components_;
};

}  // namespace ui
