// The install mode of a run: a fresh installation or an upgrade, exactly one true during a run.
#pragma once

#include "platform/files.h"

namespace install {

inline bool instal = false;
inline bool upgrade = false;

// An upgrade when both mode files exist in the data folder; otherwise a fresh installation.
void DecideMode(platform::Files& files);

}  // namespace install
