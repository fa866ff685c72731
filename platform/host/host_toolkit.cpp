#include "platform/host/host_toolkit.h"

namespace platform::host {

void HostToolkit::QueueSelect(ControlId group, int item) {
  script_.emplace_back([this, group, item] {
    // Like a radio group, report a click only when an item becomes selected.
    if (!visible_.at(group) || item_index_.at(group) == item) return;
    item_index_.at(group) = item;
    events_->OnClick(group);
  });
}

void HostToolkit::QueueClose() {
  script_.emplace_back([this] { closed_ = true; });
}

void HostToolkit::CreateForm(const FormLayout& layout, FormEvents& events) {
  layout_ = &layout;
  events_ = &events;
  visible_.clear();
  item_index_.assign(layout.controls.size(), -1);
  for (const ControlLayout& control : layout.controls) visible_.push_back(control.visible);
  try {
    events.OnCreate();
  } catch (const std::exception& error) {
    ShowException(error);
  }
  shown_ = true;
}

void HostToolkit::Run() {
  while (!terminated_ && !closed_ && !script_.empty()) {
    const auto action = std::move(script_.front());
    script_.pop_front();
    try {
      action();
    } catch (const std::exception& error) {
      ShowException(error);
    }
  }
}

void HostToolkit::Record(bool error, std::string_view text) {
  boxes_.push_back({error, title_, std::string(text)});
  if (on_box) on_box(boxes_.back());
}

void HostToolkit::ShowException(const std::exception& error) {
  Record(true, error.what());
}

void HostToolkit::ShowMessagePos(std::string_view text, int, int) {
  Record(false, text);
}

}  // namespace platform::host
