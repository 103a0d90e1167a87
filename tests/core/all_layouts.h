#pragma once

#include <vector>

#include "io/layout_identify.h"
#include "model/block_set.h"
#include "model/edition.h"
#include "model/phone_layouts.h"

namespace rw::testing {

// The eight blocks of a whole font.
inline const BlockSet kAllBlocks = BlockSet::FirstN(8);

// A font of one edition: a phone model and a font kind.
struct LayoutCase {
    Edition edition;
    LayoutId id;
};

// Every font of both editions, Cyrillic first.
inline std::vector<LayoutCase> AllLayouts() {
    std::vector<LayoutCase> cases;
    for (Edition e : {Edition::Cyrillic, Edition::Latin}) {
        for (PhoneModel m : kAllPhoneModels) {
            for (FontKind k : kAllFontKinds) cases.push_back({e, {m, k}});
        }
    }
    return cases;
}

}  // namespace rw::testing
