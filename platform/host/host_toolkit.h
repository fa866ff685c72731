// A headless toolkit for native runs and tests: the form is a model, message boxes are
// recorded, and the user's actions are a script that the message loop plays.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace platform::host {

class HostToolkit final : public Toolkit {
 public:
  struct Box {
    bool error;  // the standard error report rather than ShowMessagePos
    std::string title;
    std::string text;
  };

  explicit HostToolkit(std::string title = "Setup") : title_(std::move(title)) {}

  // Scripted user actions, played by Run() in order.
  void QueueSelect(ControlId group, int item);
  void QueueClose();

  // Called while a box is open, before it is dismissed.
  std::function<void(const Box&)> on_box;

  const std::vector<Box>& boxes() const { return boxes_; }
  bool shown() const { return shown_; }
  bool visible(ControlId control) const { return visible_.at(control); }

  void Initialize() override {}
  void SetMainFormOnTaskBar(bool) override {}
  void CreateForm(const FormLayout& layout, FormEvents& events) override;
  void Run() override;
  void ProcessMessages() override {}
  void Restore() override {}
  void Terminate() override { terminated_ = true; }
  bool Terminated() const override { return terminated_; }
  void ShowException(const std::exception& error) override;
  void ShowMessagePos(std::string_view text, int x, int y) override;
  void SetVisible(ControlId control, bool visible) override { visible_.at(control) = visible; }
  int ItemIndex(ControlId control) const override { return item_index_.at(control); }
  void SetItemIndex(ControlId control, int index) override { item_index_.at(control) = index; }

 private:
  void Record(bool error, std::string_view text);

  std::string title_;
  const FormLayout* layout_ = nullptr;
  FormEvents* events_ = nullptr;
  std::vector<bool> visible_;
  std::vector<int> item_index_;
  std::deque<std::function<void()>> script_;
  std::vector<Box> boxes_;
  bool shown_ = false;
  bool closed_ = false;
  bool terminated_ = false;
};

}  // namespace platform::host
