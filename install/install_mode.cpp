#include "install/install_mode.h"

#include "install/manifest.h"

namespace install {

void DecideMode(platform::Files& files) {
  const bool installed = files.FileExists(kModeFileFirst) && files.FileExists(kModeFileSecond);
  instal = !installed;
  upgrade = installed;
}

}  // namespace install
