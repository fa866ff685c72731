// Win32 only: the form as a top-level window, push buttons as BUTTON controls, the radio group
// as a panel of our own holding one auto radio button per item, message boxes by MessageBoxW.
#include "platform/win32/win32_toolkit.h"

#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"SetupForm";
constexpr wchar_t kGroupClass[] = L"SetupRadioGroup";
constexpr int kControlIdBase = 1000;
constexpr int kItemIdBase = 2000;
constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

UINT DpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto get_dpi =
      ProcAddress<GetDpiForWindowFn>(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  if (get_dpi && window) {
    if (const UINT dpi = get_dpi(window)) return dpi;
  }
  const HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

RECT WindowRectForClient(int width, int height, DWORD style, DWORD ex_style, UINT dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust_for_dpi =
      ProcAddress<AdjustForDpiFn>(::GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
  RECT rect{0, 0, width, height};
  if (!adjust_for_dpi || !adjust_for_dpi(&rect, style, FALSE, ex_style, dpi))
    ::AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  return rect;
}

COLORREF SystemColor(Color color) {
  return color == kColorButtonFace ? ::GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(color);
}

template <typename Self>
Self* SelfOf(HWND window, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Self*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return self;
  }
  return reinterpret_cast<Self*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance, std::wstring title)
    : instance_(instance), title_(std::move(title)) {}

Win32Toolkit::~Win32Toolkit() {
  if (form_) ::DestroyWindow(form_);
}

void Win32Toolkit::Initialize() {
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = FormProc;
  form.hInstance = instance_;
  form.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(1));
  form.hIconSm = static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), 0));
  form.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = kFormClass;
  ::RegisterClassExW(&form);

  WNDCLASSEXW group{};
  group.cbSize = sizeof group;
  group.lpfnWndProc = GroupProc;
  group.hInstance = instance_;
  group.hCursor = form.hCursor;
  group.lpszClassName = kGroupClass;
  ::RegisterClassExW(&group);
}

void Win32Toolkit::CreateForm(const FormLayout& layout, FormEvents& events) {
  layout_ = &layout;
  events_ = &events;
  const DWORD ex_style = WS_EX_CONTROLPARENT | (on_taskbar_ ? WS_EX_APPWINDOW : 0);
  form_ = ::CreateWindowExW(ex_style, kFormClass, Widen(layout.caption).c_str(), kFormStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, instance_, this);
  if (!form_) return;
  dpi_ = DpiOf(form_);
  CreateControls();
  Layout();
  PlaceForm();
  // The creation guard: an error of the creation handler is reported and creation completes.
  try {
    events.OnCreate();
  } catch (const std::exception& error) {
    ShowException(error);
  }
  ::ShowWindow(form_, SW_SHOW);
  ::UpdateWindow(form_);
}

void Win32Toolkit::CreateControls() {
  controls_.clear();
  controls_.resize(layout_->controls.size());
  for (std::size_t i = 0; i < layout_->controls.size(); ++i) {
    const ControlLayout& layout = layout_->controls[i];
    Control& control = controls_[i];
    control.layout = &layout;
    const DWORD visible = layout.visible ? WS_VISIBLE : 0;
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIdBase + i));
    if (layout.kind == ControlKind::PushButton) {
      control.window = ::CreateWindowExW(0, L"BUTTON", Widen(layout.text).c_str(),
                                         WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | visible, 0, 0, 0,
                                         0, form_, id, instance_, nullptr);
      continue;
    }
    control.background = UniqueBrush(::CreateSolidBrush(SystemColor(layout.color)));
    control.window = ::CreateWindowExW(WS_EX_CONTROLPARENT, kGroupClass, L"",
                                       WS_CHILD | WS_CLIPCHILDREN | visible, 0, 0, 0, 0, form_, id,
                                       instance_, this);
    for (std::size_t item = 0; item < layout.items.size(); ++item) {
      // The first item starts the group and is the tab stop.
      const DWORD first = item == 0 ? WS_GROUP | WS_TABSTOP : 0;
      control.items.push_back(::CreateWindowExW(
          0, L"BUTTON", Widen(layout.items[item]).c_str(),
          WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | first, 0, 0, 0, 0, control.window,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kItemIdBase + item)), instance_, nullptr));
    }
  }
}

void Win32Toolkit::Layout() {
  // The font for this DPI; the previous one is deleted only once no control uses it.
  UniqueFont font_for_dpi(::CreateFontW(
      ::MulDiv(layout_->font_height, static_cast<int>(dpi_), 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
      FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      DEFAULT_PITCH | FF_DONTCARE, Widen(layout_->font_name).c_str()));
  const auto font = reinterpret_cast<WPARAM>(font_for_dpi.get());
  for (Control& control : controls_) {
    const ControlLayout& layout = *control.layout;
    const int width = Scale(layout.width);
    const int height = Scale(layout.height);
    ::SetWindowPos(control.window, nullptr, Scale(layout.left), Scale(layout.top), width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(control.window, WM_SETFONT, font, TRUE);
    if (control.items.empty()) continue;
    // Items share the group's height evenly, inside its frame.
    const int margin = Scale(8);
    const int count = static_cast<int>(control.items.size());
    const int item_height = (height - 2 * margin) / count;
    for (int item = 0; item < count; ++item) {
      ::SetWindowPos(control.items[static_cast<std::size_t>(item)], nullptr, margin,
                     margin + item * item_height, width - 2 * margin, item_height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      ::SendMessageW(control.items[static_cast<std::size_t>(item)], WM_SETFONT, font, TRUE);
    }
  }
  font_ = std::move(font_for_dpi);
}

void Win32Toolkit::PlaceForm() {
  const DWORD ex_style = static_cast<DWORD>(::GetWindowLongPtrW(form_, GWL_EXSTYLE));
  const RECT frame = WindowRectForClient(Scale(layout_->client_width),
                                         Scale(layout_->client_height), kFormStyle, ex_style, dpi_);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ::SetWindowPos(form_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Toolkit::Run() {
  MSG message{};
  while (!terminated_) {
    if (::GetMessageW(&message, nullptr, 0, 0) <= 0) break;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && FocusLanguageGroup()) continue;
    if (form_ && ::IsDialogMessageW(form_, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void Win32Toolkit::ProcessMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the quit request for the message loop.
      terminated_ = true;
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void Win32Toolkit::Restore() {
  if (form_ && ::IsIconic(form_)) ::ShowWindow(form_, SW_RESTORE);
}

void Win32Toolkit::Terminate() {
  terminated_ = true;
  ::PostQuitMessage(0);
}

void Win32Toolkit::ShowException(const std::exception& error) {
  ::MessageBoxW(form_, Widen(error.what()).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void Win32Toolkit::ShowMessagePos(std::string_view text, int, int) {
  // The box is centred by the system, which is the default placement (-1, -1) asks for.
  ::MessageBoxW(form_, Widen(text).c_str(), title_.c_str(), MB_OK);
}

void Win32Toolkit::SetVisible(ControlId control, bool visible) {
  ::ShowWindow(controls_.at(control).window, visible ? SW_SHOW : SW_HIDE);
}

void Win32Toolkit::SetItemIndex(ControlId control, int index) {
  Control& group = controls_.at(control);
  group.item_index = index;
  for (std::size_t item = 0; item < group.items.size(); ++item)
    ::SendMessageW(group.items[item], BM_SETCHECK,
                   static_cast<int>(item) == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Toolkit::FocusLanguageGroup() {
  // The visible radio group is the form's only stop for Tab: its chosen item, or its first.
  for (const Control& control : controls_) {
    if (control.items.empty() || !::IsWindowVisible(control.window)) continue;
    const std::size_t item =
        control.item_index >= 0 ? static_cast<std::size_t>(control.item_index) : 0;
    tabbing_ = true;
    ::SetFocus(control.items[item]);
    tabbing_ = false;
    return true;
  }
  return false;
}

void Win32Toolkit::OnItemClicked(ControlId group, int item) {
  // A radio button reports a click when it gets the focus from the keyboard, too. Reaching the
  // group with Tab only moves the focus; a click, Space or an arrow key chooses.
  if (tabbing_) return;
  // A radio group reports a click only when an item becomes selected.
  if (controls_.at(group).item_index == item) return;
  SetItemIndex(group, item);
  events_->OnClick(group);
}

LRESULT CALLBACK Win32Toolkit::FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Toolkit* self = SelfOf<Win32Toolkit>(window, message, lparam);
  if (!self) return ::DefWindowProcW(window, message, wparam, lparam);
  // No exception may cross into the system: report it and go on.
  try {
    return self->OnFormMessage(window, message, wparam, lparam);
  } catch (const std::exception& error) {
    self->ShowException(error);
    return 0;
  }
}

LRESULT CALLBACK Win32Toolkit::GroupProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Toolkit* self = SelfOf<Win32Toolkit>(window, message, lparam);
  if (!self) return ::DefWindowProcW(window, message, wparam, lparam);
  try {
    return self->OnGroupMessage(window, message, wparam, lparam);
  } catch (const std::exception& error) {
    self->ShowException(error);
    return 0;
  }
}

LRESULT Win32Toolkit::OnFormMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) >= kControlIdBase &&
          LOWORD(wparam) < kControlIdBase + controls_.size())
        events_->OnClick(LOWORD(wparam) - kControlIdBase);
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wparam);
      Layout();
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      ::SetWindowPos(window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      form_ = nullptr;
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wparam, lparam);
  }
}

LRESULT Win32Toolkit::OnGroupMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto group = static_cast<ControlId>(::GetDlgCtrlID(window) - kControlIdBase);
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) >= kItemIdBase)
        OnItemClicked(group, LOWORD(wparam) - kItemIdBase);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const Control& control = controls_.at(group);
      const auto dc = reinterpret_cast<HDC>(wparam);
      ::SetBkColor(dc, SystemColor(control.layout->color));
      ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(control.background.get());
    }
    case WM_ERASEBKGND: {
      RECT client{};
      ::GetClientRect(window, &client);
      ::FillRect(reinterpret_cast<HDC>(wparam), &client, controls_.at(group).background.get());
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = ::BeginPaint(window, &paint);
      RECT client{};
      ::GetClientRect(window, &client);
      ::DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);
      ::EndPaint(window, &paint);
      return 0;
    }
    default:
      return ::DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace platform::win32
