#pragma once

#include <memory>
#include <string>
#include <vector>

#include "edition/message.h"
#include "io/file_io.h"
#include "model/edition.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"
#include "patch/patch_writer.h"

namespace rw {

// What a fullflash save tells and asks before it writes.
struct FlashSaveCheck {
    // An interrupted save that looking into the image rolled back; empty when there was none.
    Message rollback_note;
    // The question, as sentences; empty when there is nothing to ask.
    std::vector<Message> question;
};

// What guards a fullflash against a save the user did not mean: the base font (the font as the
// last fullflash load or save left it, which tells the glyphs the user changed from those a save
// would replace unasked), the fullflash that was, and the checks made from them. The base is
// shared with the undo snapshots; only fullflash loads and saves, and the undo of a step that
// moved it, change it.
class FlashSaveGuard {
  public:
    const FontImage& base() const { return *base_; }
    const std::shared_ptr<const FontImage>& shared_base() const { return base_; }
    // The fullflash last loaded or saved, which a fullflash save offers; empty before any.
    const std::string& last_fullflash() const { return last_fullflash_; }

    // The font now stands as it is in the fullflash `path`.
    void Rebase(const FontImage& font, const std::string& path);
    // An undo or redo brings back the base of its snapshot and the fullflash it came from.
    void RestoreBase(std::shared_ptr<const FontImage> base, std::string last_fullflash) {
        base_ = std::move(base);
        last_fullflash_ = std::move(last_fullflash);
    }

    // What to tell and ask before `font` is saved into `path`. Two doubts share the one
    // question: the image's records at the chosen model and kind do not look like a font, and the
    // save would replace glyphs the user did not change (glyphs equal to the base's but not to the
    // image's bytes). An image the save will refuse or cannot read is left to the save, which
    // reports it. Looking into the image rolls back a save into it that was cut off; the check
    // carries that note.
    FlashSaveCheck Check(const std::string& path, const FontPlace& place, const FontImage& font,
                         FileSystem& fs) const;

    // After a fullflash load of `path`: the warning that its records at the chosen model and
    // kind do not look like a font; empty when they do.
    static std::vector<Message> LoadWarning(const std::string& path, const FontPlace& place,
                                            FileSystem& fs);

  private:
    std::shared_ptr<const FontImage> base_ = std::make_shared<const FontImage>();
    std::string last_fullflash_;
};

}  // namespace rw
