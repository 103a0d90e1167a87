#pragma once

#include <QString>
#include <memory>

#include "editor/remembered_settings.h"
#include "model/edition.h"

class QSettings;

namespace rw::ui {

// The settings file of one program, where the desktop keeps settings:
// $XDG_CONFIG_HOME/runewright/runewright-rus.conf (or -eng), ~/.config when XDG_CONFIG_HOME is
// not set. The place is looked up when the store is made, so a test may point XDG_CONFIG_HOME
// elsewhere before it makes one.
class SettingsStore {
  public:
    explicit SettingsStore(Edition edition);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    RememberedSettings Read() const;
    // Written to the file before this returns, so a crash later loses nothing.
    void Write(const RememberedSettings& settings);

    QString FileName() const;

  private:
    std::unique_ptr<QSettings> settings_;
};

// The keys of the settings file.
namespace settings_keys {
inline constexpr const char* kLanguage = "interface/language";
inline constexpr const char* kModel = "font/model";
inline constexpr const char* kKind = "font/kind";
inline constexpr const char* kZoom = "window/zoom";
inline constexpr const char* kZoomFit = "window/zoom_fit";
// Whether the original letter is shown faintly under the grid.
inline constexpr const char* kGhost = "window/show_original";
inline constexpr const char* kRecentFiles = "files/recent";
// The last file of each dialog kind, by FileRole.
inline constexpr const char* kLastFiles[kFileRoleCount] = {
    "files/last_fullflash", "files/last_font_file", "files/last_png", "files/last_patch",
    "files/last_outline_font"};
}  // namespace settings_keys

}  // namespace rw::ui
