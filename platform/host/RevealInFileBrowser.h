#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QString>

#include <functional>

// Replaces the system file browser, for tests and for hosts with their own browser. Receives
// the absolute path and answers whether the file is shown.
using RevealHandler = std::function<bool(const QString& absoluteFilePath)>;

// Shows filePath selected in the system file browser: on Windows through Explorer
// ("/select,"), on macOS through Finder, elsewhere through the desktop's file manager
// (org.freedesktop.FileManager1.ShowItems on the session bus), falling back to opening the
// folder when no file manager answers. A file that does not exist gets its folder opened.
// Returns at once; false for an empty path, a missing folder, no GUI application, or when the
// browser could not be asked. Call it on the GUI thread.
OVPLATFORM_EXPORT bool RevealInFileBrowser(const QString& filePath);

// Installs handler in place of the system browser and returns the previous one; an empty
// handler restores the system browser.
OVPLATFORM_EXPORT RevealHandler SetRevealHandler(RevealHandler handler);
