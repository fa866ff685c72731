// A small UI-automation driver for the installer's tests, run in the same Wine session:
//   uidriver wait CAPTION SECONDS          wait until a visible window with that caption exists
//   uidriver gone CAPTION SECONDS          wait until no window with that caption exists
//   uidriver dump CAPTION                  print the window's client size, DPI, font, controls
//   uidriver click CAPTION TEXT            click the control of that text
//   uidriver message TITLE SECONDS [ok]    wait for a message box, print its text, press OK
//   uidriver close CAPTION                 ask the window to close, as Alt+F4 does
//   uidriver hold PATH SECONDS             hold a file open without sharing, then let go
// Output is UTF-8. Exit code 0 on success, 1 when the condition was not met in time.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

void Print(std::wstring_view text) {
  const int size = static_cast<int>(text.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()),
              &written, nullptr);
}

// A window's text as the system keeps it, without sending the window a message: a window
// whose thread is busy cannot stall the driver.
std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  const int length = ::InternalGetWindowText(window, text, 512);
  return std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, 256);
  return name;
}

struct Search {
  std::wstring_view caption;
  std::wstring_view class_name;  // empty: any class
  HWND found = nullptr;
};

HWND FindTopLevel(std::wstring_view caption, std::wstring_view class_name = {}) {
  Search search{caption, class_name};
  ::EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (!::IsWindowVisible(window) || TextOf(window) != s->caption) return TRUE;
        if (!s->class_name.empty() && ClassOf(window) != s->class_name) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> all;
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

template <typename Condition>
bool WaitFor(double seconds, Condition condition) {
  const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount64() > deadline) return false;
    ::Sleep(50);
  }
}

int Dump(HWND form) {
  RECT client{};
  ::GetClientRect(form, &client);
  Print(L"client " + std::to_wstring(client.right) + L" " + std::to_wstring(client.bottom) + L"\n");
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  if (::GetGUIThreadInfo(::GetWindowThreadProcessId(form, nullptr), &gui))
    Print(L"focus \"" + (gui.hwndFocus ? TextOf(gui.hwndFocus) : std::wstring()) + L"\" active=" +
          std::to_wstring(gui.hwndActive == form ? 1 : 0) + L"\n");
  const HDC screen = ::GetDC(nullptr);
  Print(L"dpi " + std::to_wstring(::GetDeviceCaps(screen, LOGPIXELSY)) + L"\n");
  ::ReleaseDC(nullptr, screen);
  for (const HWND child : Descendants(form)) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
    std::wstring line = L"control " + ClassOf(child) + L" \"" + TextOf(child) + L"\" visible=" +
                        std::to_wstring(::IsWindowVisible(child) ? 1 : 0) + L" rect=" +
                        std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L"," +
                        std::to_wstring(rect.right - rect.left) + L"," +
                        std::to_wstring(rect.bottom - rect.top);
    if (const auto font = reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0))) {
      LOGFONTW logfont{};
      ::GetObjectW(font, sizeof logfont, &logfont);
      line +=
          L" font=" + std::wstring(logfont.lfFaceName) + L"," + std::to_wstring(logfont.lfHeight);
    }
    const LRESULT check = ::SendMessageW(child, BM_GETCHECK, 0, 0);
    line += L" checked=" + std::to_wstring(check) + L"\n";
    Print(line);
  }
  return 0;
}

int Click(HWND form, std::wstring_view text) {
  for (const HWND child : Descendants(form)) {
    if (TextOf(child) != text) continue;
    // Posted, so the driver does not wait for the installation the click starts.
    ::PostMessageW(child, BM_CLICK, 0, 0);
    return 0;
  }
  Print(L"no control \"" + std::wstring(text) + L"\"\n");
  return 1;
}

int Message(std::wstring_view title, double seconds, bool press_ok) {
  HWND box = nullptr;
  if (!WaitFor(seconds, [&] { return (box = FindTopLevel(title, L"#32770")) != nullptr; })) {
    Print(L"no message box\n");
    return 1;
  }
  std::wstring text;
  for (const HWND child : Descendants(box)) {
    if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0 && !TextOf(child).empty())
      text = TextOf(child);
  }
  Print(text + L"\n");
  if (press_ok) ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring_view command = argv[1];
  const std::wstring_view target = argv[2];
  const double seconds = argc > 3 ? _wtof(argv[3]) : 10.0;
  if (command == L"wait")
    return WaitFor(seconds, [&] { return FindTopLevel(target) != nullptr; }) ? 0 : 1;
  if (command == L"gone")
    return WaitFor(seconds, [&] { return FindTopLevel(target) == nullptr; }) ? 0 : 1;
  if (command == L"message")
    return Message(target, seconds, argc > 4 && std::wstring_view(argv[4]) == L"ok");
  if (command == L"hold") {
    const HANDLE file = ::CreateFileW(argv[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    Print(L"held\n");
    ::Sleep(static_cast<DWORD>(seconds * 1000));
    ::CloseHandle(file);
    return 0;
  }
  const HWND form = FindTopLevel(target);
  if (!form) {
    Print(L"no window\n");
    return 1;
  }
  if (command == L"dump") return Dump(form);
  if (command == L"close") return ::PostMessageW(form, WM_CLOSE, 0, 0) ? 0 : 1;
  if (command == L"click" && argc > 3) return Click(form, argv[3]);
  return 2;
}
