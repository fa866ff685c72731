// Win32 only: the window toolkit as a real top-level window with real child controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

class Win32Toolkit final : public Toolkit {
 public:
  Win32Toolkit(HINSTANCE instance, std::wstring title);
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;
  ~Win32Toolkit() override;

  void Initialize() override;
  void SetMainFormOnTaskBar(bool on) override { on_taskbar_ = on; }
  void CreateForm(const FormLayout& layout, FormEvents& events) override;
  void Run() override;
  void ProcessMessages() override;
  void Restore() override;
  void Terminate() override;
  bool Terminated() const override { return terminated_; }
  void ShowException(const std::exception& error) override;
  void ShowMessagePos(std::string_view text, int x, int y) override;
  void SetVisible(ControlId control, bool visible) override;
  int ItemIndex(ControlId control) const override { return controls_.at(control).item_index; }
  void SetItemIndex(ControlId control, int index) override;

 private:
  struct Control {
    const ControlLayout* layout = nullptr;
    HWND window = nullptr;
    std::vector<HWND> items;  // radio group items
    int item_index = -1;
    UniqueBrush background;
  };

  static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK GroupProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnFormMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnGroupMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void OnItemClicked(ControlId group, int item);
  bool FocusLanguageGroup();
  void CreateControls();
  void Layout();
  void PlaceForm();
  int Scale(int value) const { return ::MulDiv(value, static_cast<int>(dpi_), 96); }

  HINSTANCE instance_;
  std::wstring title_;
  bool on_taskbar_ = false;
  bool terminated_ = false;
  bool tabbing_ = false;  // the focus is moving by Tab
  const FormLayout* layout_ = nullptr;
  FormEvents* events_ = nullptr;
  HWND form_ = nullptr;
  std::vector<Control> controls_;
  UniqueFont font_;
  UINT dpi_ = 96;
};

}  // namespace platform::win32
