// Win32 only: the program entry. It hardens the DLL search first, then builds the backends and
// runs the installer.
#include <windows.h>

#include "app/unit1.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_toolkit.h"

namespace {

// Any DLL loaded from now on comes from the system folder, never from the media folder.
void RestrictDllSearch() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto set_default = platform::win32::ProcAddress<SetDefaultDllDirectoriesFn>(
      ::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (set_default) set_default(LOAD_LIBRARY_SEARCH_SYSTEM32);
  ::SetDllDirectoryW(L"");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  RestrictDllSearch();
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
