#pragma once
// Saving and restoring a window's place in the settings file, under the section named
// after the window's procedure ("BrowseBirthdays").
//
// Keys: "Maximize" and "Minimize" ("Yes" or "No"), "XPos" and "YPos", and "Width" and
// "Height" only for a window the user can resize. Positions and sizes are whole numbers in
// the window's own units (dialog units), as the window reports and takes them.

#include <string_view>

#include "platform/SettingsStore.h"

namespace ntx {

struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// What the position rules need of a window. The desktop adapter wraps a real window; tests
// use a plain object.
class PositionedWindow {
  public:
    virtual ~PositionedWindow() = default;
    [[nodiscard]] virtual bool isMaximized() const = 0;
    [[nodiscard]] virtual bool isMinimized() const = 0;
    [[nodiscard]] virtual bool isResizable() const = 0;
    // Position and size of the window in its normal (neither maximised nor minimised) state.
    [[nodiscard]] virtual WindowPlacement placement() const = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void resizeTo(int width, int height) = 0;
    virtual void setMaximized(bool maximized) = 0;
    virtual void setMinimized(bool minimized) = 0;
};

// Saves the window's state: "Maximize" and "Minimize"; then, for a maximised or minimised
// window, removes the position and size keys; otherwise writes "XPos" and "YPos", and
// "Width" and "Height" when the window can be resized (removing them when it cannot).
// Returns false when the settings file could not be written.
bool updateWindowPosition(SettingsStore& settings, std::string_view section,
                          const PositionedWindow& window);

// Restores a saved state. A section whose "Maximize" is neither "Yes" nor "No" (never
// written, or the key deleted) changes nothing, so the window keeps its designed place.
// Otherwise: un-maximise when "Maximize" is "No"; move to "XPos", "YPos"; size a resizable
// window to "Width", "Height"; maximise when "Maximize" is "Yes"; minimise according to
// "Minimize". A position or size that is missing or not a whole number is left as it is.
void fetchWindowPosition(const SettingsStore& settings, std::string_view section,
                         PositionedWindow& window);

}  // namespace ntx
