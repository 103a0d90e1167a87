#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "edition/message.h"
#include "editor/clipboard.h"
#include "editor/document.h"
#include "editor/glyph_ops.h"
#include "editor/history.h"
#include "editor/window_model.h"
#include "io/file_io.h"
#include "model/edition.h"
#include "model/editor_state.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"
#include "patch/font_from_patch.h"

namespace rw {

// Where a file command loaded the font from or saved it to.
enum class FileKind {
    Fullflash,
    FontFile,       // .sft, .sbf, .sfe
    SftConversion,  // "SFT -> SBF": an .sft file into the wide table
};

// What a fullflash save tells and asks before it writes.
struct FlashSaveCheck {
    // An interrupted save that looking into the image rolled back; empty when there was none.
    Message rollback_note;
    // The question, as sentences; empty when there is nothing to ask.
    std::vector<Message> question;
};

// The glyph editor behind the main window: the editor state, the working glyphs, the clipboard
// and the undo history around the document, and one public operation for every handler of the
// window. What the window shows is in view(); the window draws it and forwards presses, and
// computes nothing itself.
//
// Each operation that changes the font or the working glyph records one undo step, named by
// the caption that made it, and then does its work the window's way: change the font or the
// state, redraw the thumbnails, reload the selected letter. Presses on things the window would
// not let the user press (a covered thumbnail, an inert cell, a hidden bold button, a disabled
// menu item) change nothing, record nothing and return false where they return anything.
//
// Nothing the user made is lost without a way back: a letter change over edits not written back
// records a "Letter change" step first; the history marks the last load or save, so quitting can
// ask; and the base font, the font as the last fullflash load or save left it, tells a fullflash
// save which glyphs the user changed, so that it can ask before replacing any other.
class Session {
  public:
    // The start values of the main window (S/ME 45 Normal, upper case, normal weight).
    explicit Session(Edition edition);

    // --- Activation -----------------------------------------------------------------------
    // The main window became active. The first call chooses the whole-font scope, upper case and
    // normal weight, draws the thumbnails and selects the first letter; later calls change
    // nothing, so edits not yet written back survive a visit to the help window.
    void Activate();
    void FirstActivation() { Activate(); }
    bool activated() const { return activated_; }

    // --- Letter selection and editing -----------------------------------------------------
    // A press on thumbnail `slot` (PaintBox1MouseDown): letter load, then PaintBoxEdit takes
    // the thumbnail's hint. False for a slot out of range or under a cover panel.
    bool PressThumbnail(int slot);
    // PgUp / PgDn: the previous (-1) or next (+1) letter of the block, covered slots skipped.
    // False when there is none that way.
    bool PressNeighbourLetter(int step);
    // A press and release on grid cell (row, col) with any mouse button (Panel1Click): one
    // "Drawing" step. False for a cell that is not live.
    bool ClickCell(int row, int col);
    // A drag: the press flips the cell like a click; while the button stays down, every live
    // cell on the straight line to each further pointer position (which may lie off the grid)
    // takes the colour the first cell got. The whole stroke is one step.
    bool BeginStroke(int row, int col);
    void ContinueStroke(int row, int col);
    void EndStroke();
    bool stroke_active() const { return stroke_.active; }
    // "Записать в шрифт" (Button1Click).
    void WriteBack();

    // --- Set and weight buttons (they see the state from before the press) -----------------
    void PressUpperCase();         // SpeedButton2
    void PressLowerCase();         // SpeedButton3
    void PressSymbolSet(int n);    // Latin SpeedButton4 (n = 1) and SpeedButton5 (n = 2) only
    void PressSetButton(int set);  // 0 upper, 1 lower, 2 symbol set 1, 3 symbol set 2
    bool PressBold();              // SpeedButton1 "B"; false while it is hidden

    // --- Shifts, transforms and clears ------------------------------------------------------
    void Shift(ShiftDirection direction);  // ImageIO1Click … ImageIO4Click
    // The edit menu's transforms of the working glyph, followed by the width rule.
    void Transform(GlyphTransform transform);
    // "Жирный из нормального": the bold block of the current set := the normal block
    // emboldened. False while the layout has a single weight.
    bool BoldFromNormal();
    void ClearLetter();  // N16Click
    void ClearBlock();   // N17Click
    void ClearFont();    // N18Click

    // --- Clipboard --------------------------------------------------------------------------
    void CopyBlock();    // Button8Click
    void PasteBlock();   // Button9Click
    void CopyLetter();   // Button10Click
    void PasteLetter();  // Button11Click

    // --- Model, kind, load scope, language ----------------------------------------------------
    // A code outside the menus changes nothing.
    void ChooseModel(PhoneModel model);  // CMS351Click, S351Click, N451Click, …
    void ChooseKind(FontKind kind);      // Small1Click, Normal1Click, Forwap1Click, Bigest1Click
    // N19Click with the item's tag; false for a tag the edition lacks or a disabled item.
    bool ChooseLoadScope(int tag);
    // N8Click (0, Russian) and English1Click (1, English); the Cyrillic edition stays Russian.
    void SetLanguage(int language);

    // --- Files and imports ----------------------------------------------------------------------
    // Every load and import ends here: a load works on a copy of font() and hands the whole
    // result over only when it succeeded. One undo step named `name` (the caption of the item
    // that loaded) when the font or the grid changes; then the thumbnails are redrawn and the
    // selected letter is reloaded. An import is a change like any other.
    void LoadFont(const FontImage& font, StepName name);
    // A file load that succeeded: LoadFont, the file becomes the current one and the status line
    // names it with `glyphs`. A fullflash load also makes the font the base. The history marks
    // the load as saved unless it kept unsaved changes (a partial load merged into them).
    void LoadedFile(FileKind kind, const std::string& path, const FontImage& font, StepName name,
                    int glyphs);
    // A save of the font that succeeded: the file becomes the current one, the history marks it
    // and the status line names it; a fullflash save also makes the font the base.
    void SavedFile(FileKind kind, const std::string& path, int glyphs);
    // An import from a patch applied to the fullflash `flash` in memory: the patched font loads
    // as one step, like an import. The fullflash is not written, so nothing is saved. When it is
    // not the one last loaded or saved (it was chosen for the import), it counts as loaded now:
    // the unpatched font becomes the base, so that a save into it counts the patch's glyphs as
    // the user's changes; undoing the import brings the previous base back.
    void ImportedFromPatch(const PatchedFont& imported, const std::string& flash);
    // A patch of the font written to `path`: the status line names it with the glyphs it changes.
    void SavedPatch(const std::string& path, int glyphs);
    // The path last chosen in a file dialog; the caption shows its name.
    void SetFileName(std::string path);

    // What to tell and ask before a fullflash save into `path`. Two doubts share the one
    // question: the image's records at the chosen model and kind do not look like a font, and the
    // save would replace glyphs the user did not change (glyphs equal to the base's but not to the
    // image's bytes). An image the save will refuse or cannot read is left to the save, which
    // reports it. Looking into the image rolls back a save into it that was cut off; the check
    // carries that note.
    FlashSaveCheck CheckFlashSave(const std::string& path,
                                  FileSystem& fs = SystemFileSystem()) const;
    // After a fullflash load: the warning that the current file's records at the chosen model
    // and kind do not look like a font; empty when they do.
    std::vector<Message> FlashLoadWarning(FileSystem& fs = SystemFileSystem()) const;
    // The fullflash last loaded or saved, which a fullflash save offers; empty before any.
    const std::string& last_fullflash() const { return last_fullflash_; }
    const FontImage& base_font() const { return *base_; }

    // A step done or undone since the last load or save, or edits in the grid not written back:
    // quitting now would lose them.
    bool HasUnsavedChanges() const;
    // The grid shows the selected letter otherwise than the font holds it.
    bool HasUnwrittenEdits() const;

    // --- Undo and redo ------------------------------------------------------------------------
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    void Undo();
    void Redo();
    // "Отменить: Очистить блок" / "Undo: Clear block" in the current language; the bare item
    // caption when there is nothing to undo (redo).
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    const History& history() const { return history_; }

    // --- Accessors ----------------------------------------------------------------------------
    Edition edition() const { return state_.edition; }
    const FontImage& font() const { return document_.font(); }
    // The font as it would be after "Записать в шрифт" into the selected slot alone: what a
    // preview of text shows while a letter is being edited.
    FontImage FontWithWorkingGlyph() const;
    const EditorState& state() const { return state_; }
    const NarrowGlyph& working_narrow() const { return working_narrow_; }
    const WideGlyph& working_wide() const { return working_wide_; }
    const Clipboard& clipboard() const { return clipboard_; }
    int slot_count() const { return SlotCount(state_.edition); }
    // True while the thumbnail's last letter load came through PaintBoxEdit (after a shift).
    bool edit_image_selected() const { return selected_source_ == kEditImageSource; }

    // What the window shows.
    const WindowModel& view() const { return view_; }
    // Incremented by every operation that changed something the window shows; a window that
    // shows the font another way polls it.
    uint64_t generation() const { return view_.generation(); }
    // The ViewChange flags gathered since the last call; clears them.
    uint32_t TakeChanges() { return view_.TakeChanges(); }

  private:
    static constexpr int kNoSource = -1;
    static constexpr int kEditImageSource = 1000;

    struct Stroke {
        bool active = false;
        bool ink = false;  // the colour the first cell got
        int row = 0;       // the last pointer position, in cells
        int col = 0;
    };

    // Calls `work` with the working glyph of the live form.
    template <typename Work>
    void OnWorkingGlyph(Work&& work);
    template <typename Work>
    void OnWorkingGlyph(Work&& work) const;

    // History.
    void RecordStep(StepName name);
    Snapshot Capture() const;
    void Restore(const Snapshot& snapshot, StepName step);
    void RestoreBlock(int block);
    void KeepUnwrittenEdits();

    // Workers.
    void LetterLoad(int source);
    void ShowReshapedGlyph();
    void PaintCell(int row, int col);
    void ShowWidthAfterPainting();
    void RedrawPreviews();
    void AfterFontLoaded();
    void GridWidthSwitch(bool wide);
    void ApplyWeightAvailability();
    void ShowSet(int set);
    void MoveSetCovers(int set);
    void SelectSetButton(int set);
    void MoveCovers(PhoneModel model);
    void ApplyModel(PhoneModel model);
    void ApplyKind(FontKind kind);
    void ReselectAfterChange();
    int CurrentSet() const;
    GlyphSlot SelectedGlyph() const { return {state_.block, state_.selected_slot}; }
    int GridBits() const { return state_.wide ? 16 : 8; }
    std::string Caption(UiText id) const;

    EditorState state_;
    Document document_;
    // The font as the last fullflash load or save left it.
    std::shared_ptr<const FontImage> base_ = std::make_shared<const FontImage>();
    std::string last_fullflash_;
    History history_;
    NarrowGlyph working_narrow_{};
    WideGlyph working_wide_{};
    Clipboard clipboard_;
    WindowModel view_;
    Stroke stroke_;
    int edit_image_number_ = 0;
    int selected_source_ = kNoSource;
    bool activated_ = false;
};

}  // namespace rw
