#pragma once

#include <string>

#include "model/edition.h"
#include "model/phone_layouts.h"

namespace rw {

// Everything besides the glyphs that says what is on screen and where the next load or save goes.
struct EditorState {
    Edition edition = Edition::Cyrillic;
    PhoneModel model = PhoneModel::SME45;
    FontKind kind = FontKind::Normal;
    FontLayout layout;
    int last_row = 11;
    bool wide = false;
    bool single_weight = false;
    int language = 0;  // 0 Russian, 1 English (Latin edition only)
    std::string file_name;
    int selected_slot = 0;
    int block = 0;
    bool bold = false;
    int load_scope = 6;

    // The values the main window starts with: S/ME 45 Normal, upper case, normal weight.
    static EditorState AtStart(Edition edition);
};

}  // namespace rw
