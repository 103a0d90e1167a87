#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "editor/file_prompt.h"
#include "model/edition.h"
#include "model/phone_layouts.h"
#include "model/zoom.h"

namespace rw {

inline constexpr std::size_t kMaxRecentFiles = 8;

// What the window remembers from one run to the next. The defaults are the start values, so a
// first start without a settings file is the usual start.
struct RememberedSettings {
    Language language = kRussian;  // the Latin edition's interface language
    PhoneModel model = PhoneModel::SME45;
    FontKind kind = FontKind::Normal;
    ZoomChoice zoom;
    bool show_original = false;  // "Показывать исходную букву"
    // The last file chosen for each kind, by FileRole; empty for none.
    std::array<std::string, kFileRoleCount> last_files;
    // Newest first, at most kMaxRecentFiles.
    std::vector<std::string> recent_files;

    friend bool operator==(const RememberedSettings&, const RememberedSettings&) = default;
};

// `recent` with `path` in front: an earlier entry of the same path goes, and the oldest beyond
// kMaxRecentFiles drop off.
std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path);

// The values as a settings file holds them; -1 for a value the file lacks.
struct StoredSettings {
    int language = -1;
    int model = -1;
    int kind = -1;
    int zoom_percent = -1;
    bool zoom_fit = false;
    bool show_original = false;
    std::array<std::string, kFileRoleCount> last_files;
    std::vector<std::string> recent_files;
};

// The settings read back, each value checked: a value the file lacks or one out of range (a file
// edited by hand, or written by another version) leaves the start value; empty and repeated
// recent files are left out and the list is cut to kMaxRecentFiles.
RememberedSettings FromStored(const StoredSettings& stored);
StoredSettings ToStored(const RememberedSettings& settings);

}  // namespace rw
