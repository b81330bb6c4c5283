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
  Component() = default;
  ~Component() override;

  [[nodiscard]] const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  [[nodiscard]] Component* Owner() const { return owner_; }

  // The owned components, in the order they were created.
  [[nodiscard]] const std::vector<std::unique_ptr<Component>>& Components() const { return components_; }

  // Creates a component owned by this one and returns it.
  template <class T, class... Args>
  T& Create(Args&&... args) {
    auto component = std::make_unique<T>(std::forward<Args>(args)...);
    T& created = *component;
    InsertComponent(std::move(component));
    return created;
  }

  // Takes ownership of a component made elsewhere.
  Component& InsertComponent(std::unique_ptr<Component> component);

  // The owned component with this name, searched depth-first; nullptr if
  // there is none.
  [[nodiscard]] Component* FindComponent(const std::string& name) const;

 protected:
  // Destroys the owned components now, the latest first. A derived class
  // whose components refer to its own members calls this in its destructor.
  void DestroyComponents();

 private:
  std::string name_;
  Component* owner_ = nullptr;
  std::vector<std::unique_ptr<Component>> components_;
};

}  // namespace ui
