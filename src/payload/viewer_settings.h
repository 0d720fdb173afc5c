// The viewer's settings file: placement, language, toolbar skin, Unicode conversion.
#pragma once

#include <string>

#include "payload/toolbar_skin.h"

namespace lp {

// Writes the settings of one installation and returns the settings file the viewer will use.
std::wstring WriteViewerSettings(const std::wstring& installFolder, std::wstring iniFolder,
                                 int silent);

// The skin for the primary screen: scale from the display's pixels per inch, height from
// SM_CYFULLSCREEN.
ToolbarSkin ChooseToolbarSkin();

// Converts an 8-bit settings file to UTF-16LE with its header. Returns 1 when there was nothing
// to do or the converted file replaced the old one, 0 when the replacement failed.
int ConvertSettingsToUnicode(const std::wstring& path);

}  // namespace lp
