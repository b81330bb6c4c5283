// SPDX-License-Identifier: MIT
#include "ui/Component.h"

namespace ui {

Component::~Component() { DestroyComponents(); }

Component& Component::InsertComponent(std::unique_ptr<Component> component) {
  component->owner_ = this;
  components_.push_back(std::move(component));
  return *components_.back();
}

Component* Component::FindComponent(const std::string& name) const {
  for (const auto& component : components_) {
    if (component->Name() == name) return component.get();
    if (Component* found = component->FindComponent(name)) return found;
  }
  return nullptr;
}

void Component::DestroyComponents() {
  // Popping one at a time keeps the list valid for anything a destructor
  // looks up while it runs.
  while (!components_.empty()) {
    std::unique_ptr<Component> last = std::move(components_.back());
    components_.pop_back();
    last.reset();
  }
}

}  // namespace ui
