#include "editor/remembered_settings.h"

#include <algorithm>

namespace rw {

std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path) {
    if (path.empty()) return recent;
    recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
    recent.insert(recent.begin(), path);
    if (recent.size() > kMaxRecentFiles) recent.resize(kMaxRecentFiles);
    return recent;
}

RememberedSettings FromStored(const StoredSettings& stored) {
    RememberedSettings settings;
    if (stored.language == static_cast<int>(kRussian) ||
        stored.language == static_cast<int>(kEnglish)) {
        settings.language = static_cast<Language>(stored.language);
    }
    if (const auto model = static_cast<PhoneModel>(stored.model);
        stored.model >= 0 && IsPhoneModel(model)) {
        settings.model = model;
    }
    if (const auto kind = static_cast<FontKind>(stored.kind); stored.kind >= 0 && IsFontKind(kind))
        settings.kind = kind;
    if (IsZoomLevel(Zoom{stored.zoom_percent})) settings.zoom.level = Zoom{stored.zoom_percent};
    settings.zoom.fit = stored.zoom_fit;
    settings.show_original = stored.show_original;
    settings.last_files = stored.last_files;
    // Oldest first, so the newest end up in front.
    for (auto it = stored.recent_files.rbegin(); it != stored.recent_files.rend(); ++it)
        settings.recent_files = WithRecentFile(settings.recent_files, *it);
    return settings;
}

StoredSettings ToStored(const RememberedSettings& settings) {
    return {static_cast<int>(settings.language),
            static_cast<int>(settings.model),
            static_cast<int>(settings.kind),
            settings.zoom.level.percent,
            settings.zoom.fit,
            settings.show_original,
            settings.last_files,
            settings.recent_files};
}

}  // namespace rw
