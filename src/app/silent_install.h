// The two ways of a silent run: the refusal beside a running viewer and the installation.
#pragma once

#include <string>

#include "app/install_options.h"
#include "app/install_outcome.h"

namespace lp {

constexpr wchar_t kViewerWindowClass[] = L"Lumapixel";

// The silent defaults, with the previous installation's folder or the default folder.
InstallOptions QuerySilentDefaults();

// Logs the running-viewer warning and installs nothing.
InstallOutcome RefuseBesideRunningViewer();

// Installs with the silent defaults and the switches of the command line.
InstallOutcome RunSilent(const std::wstring& commandLine);

}  // namespace lp
