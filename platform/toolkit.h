// A small window toolkit: the application object, one form with push buttons and a radio
// group, and message boxes. The core describes the form as data and handles its events; each
// backend realises it (Win32 windows, or a headless model for tests).
#pragma once

#include <cstdint>
#include <exception>
#include <span>
#include <string_view>

namespace platform {

enum class ControlKind { PushButton, RadioGroup };

// Colours in the toolkit's 0x00BBGGRR order.
using Color = std::uint32_t;
inline constexpr Color kColorButtonFace = 0xFF000000u;  // the system's button-face colour

struct ControlLayout {
  std::string_view name;
  ControlKind kind;
  int left, top, width, height;  // at 96 pixels per inch, in the form's client area
  std::string_view text;
  std::span<const std::string_view> items;  // radio group items
  bool visible;
  Color color;  // radio group background
};

struct FormLayout {
  std::string_view caption;
  int client_width, client_height;  // at 96 pixels per inch
  std::string_view font_name;
  int font_height;  // at 96 pixels per inch, negative: character height
  std::span<const ControlLayout> controls;
};

// Index of a control in FormLayout::controls.
using ControlId = std::size_t;

// The form's event handlers, called by the toolkit on the user-interface thread.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  // Called once, after every control exists and before the form is shown.
  virtual void OnCreate() = 0;
  // A push button was clicked, or a radio group item became selected.
  virtual void OnClick(ControlId control) = 0;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  virtual void Initialize() = 0;
  virtual void SetMainFormOnTaskBar(bool on) = 0;
  // Creates the main form, runs events.OnCreate() inside the creation guard (an escaping
  // exception is reported and creation completes), then shows the form.
  virtual void CreateForm(const FormLayout& layout, FormEvents& events) = 0;
  // Runs the message loop until termination is requested or the main form is closed. An
  // exception escaping an event handler is reported and the loop goes on.
  virtual void Run() = 0;
  virtual void ProcessMessages() = 0;
  virtual void Restore() = 0;
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;

  // The application's standard error report: a box with the error's text, titled with Title().
  virtual void ShowException(const std::exception& error) = 0;
  // A modal box with one OK button, titled with Title(); (-1, -1) centres it on the screen.
  virtual void ShowMessagePos(std::string_view text, int x, int y) = 0;

  virtual void SetVisible(ControlId control, bool visible) = 0;
  virtual int ItemIndex(ControlId control) const = 0;
  virtual void SetItemIndex(ControlId control, int index) = 0;
};

}  // namespace platform
