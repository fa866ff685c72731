// Win32 only: the program entry. It hardens the DLL search first, then builds the backends and
// runs the installer.
#include <windows.h>

#include <cstdlib>

#include "app/unit1.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_toolkit.h"

namespace {

// The DLLs the window toolkit brings in after the entry (the common controls' own imports).
// Loaded here from the system folder, they stay loaded for the life of the process, so a
// later load by name finds them and never looks in the media folder.
constexpr const wchar_t* kToolkitDlls[] = {L"uxtheme.dll", L"msimg32.dll", L"rpcrt4.dll",
                                           L"combase.dll", L"ole32.dll",   L"imm32.dll"};

// Any DLL loaded from now on comes from the system folder, never from the media folder, which
// others may be able to write to.
[[maybe_unused]] void RestrictDllSearch() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto set_default = platform::win32::ProcAddress<SetDefaultDllDirectoriesFn>(
      ::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (set_default) set_default(LOAD_LIBRARY_SEARCH_SYSTEM32);
  ::SetDllDirectoryW(L"");
  for (const wchar_t* dll : kToolkitDlls)
    ::LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

// A plain terminate handler in place of the run-time's verbose one, which prints the type of the
// escaping exception and brings a 45 KB symbol demangler into the program for it. Every
// exception is caught before it could terminate.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifndef SETUP_WITHOUT_DLL_DEFENCE  // only the planting test's build leaves it out
  RestrictDllSearch();
#endif
  platform::win32::Win32Files files(platform::win32::ExecutableFolder());
  platform::win32::Win32Registry registry;
  platform::win32::Win32Toolkit toolkit(instance, platform::win32::ExecutableTitle());
  try {
    return app::Setup(toolkit, files, registry);
  } catch (const std::exception& error) {
    toolkit.ShowException(error);
    return 1;
  }
}
