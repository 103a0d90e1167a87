#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "edition/letter_sets.h"
#include "edition/message.h"
#include "editor/clipboard.h"
#include "editor/document.h"
#include "editor/flash_save_guard.h"
#include "editor/glyph_ops.h"
#include "editor/grid_cursor.h"
#include "editor/history.h"
#include "editor/window_model.h"
#include "editor/working_glyphs.h"
#include "io/file_io.h"
#include "io/status.h"
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

// A file load that succeeded, as the file commands hand it to the session.
struct LoadedFont {
    FileKind kind;
    std::string path;
    FontImage font;
    StepName name;  // the caption of the item that loaded
    int glyphs;     // how many the status line names
};

// The glyph editor behind the main window. It holds the domain state (the editor state with the
// selection, the font, the working glyph of each form, the clipboard, the undo history with its
// saved mark and the base font) and decides every press from it alone; the window model is drawn
// from that state after each operation and never read back.
//
// Each public operation is one user action. It runs through one wrapper (Apply): the undo step
// it records, named by the caption that made it; the change; the reload of the selected letter
// where the original handler reloads it; and the views. Presses on things the window would not
// let the user press (a covered thumbnail, an inert cell, a hidden bold button, a disabled menu
// item) change nothing, record nothing and return false where they return anything.
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

    // --- Letter selection and editing -----------------------------------------------------
    // A press on thumbnail `slot` (PaintBox1MouseDown): letter load, then PaintBoxEdit takes
    // the thumbnail's hint. False for a slot out of range or under a cover panel.
    bool PressThumbnail(int slot);
    // PgUp / PgDn: the previous (-1) or next (+1) letter of the block, covered slots skipped.
    // False when there is none that way.
    bool PressNeighbourLetter(int step);
    // The thumbnail strip's keys: the letter at `slot`, or the first one beyond it in
    // `direction` (-1 or +1) when it is covered, pressed as its thumbnail would be. False, and
    // nothing changes, for a slot out of range, when every slot that way is covered, or when
    // the letter found is the one already on the grid.
    bool PressLetterAt(int slot, int direction);
    // The thumbnail strip's Up and Down: the letter a row of the strip above or below, a covered
    // one passing on to the next letter that way.
    bool PressLetterAbove();
    bool PressLetterBelow();
    // A press and release on grid cell (row, col) with any mouse button (Panel1Click): one
    // "Drawing" step. False for a cell that is not live.
    bool ClickCell(int row, int col);
    // A drag: the press flips the cell like a click; while the button stays down, every live
    // cell on the straight line to each further pointer position (which may lie off the grid)
    // takes the colour the first cell got. The whole stroke is one step.
    bool BeginStroke(int row, int col);
    void ContinueStroke(int row, int col);
    void EndStroke();
    // "Записать в шрифт" (Button1Click); the status line names the letter.
    void WriteBack();

    // --- The grid from the keyboard -------------------------------------------------------------
    // The cursor stands on a live cell; a click puts it on the cell clicked, and after a change
    // of the letter, the kind or the model it moves to the nearest live cell.
    GridCursor cursor() const { return cursor_; }
    // An arrow: the cursor one cell that way; false at the edge of the live cells.
    bool MoveCursor(CursorMove move);
    // Space or Return: the cell under the cursor flips, exactly as a click there.
    bool FlipCursorCell();
    // Shift+arrow: the first one of a run flips the cell under the cursor, like the press of a
    // drag, and records the one step of the run; each one then moves the cursor that way and
    // gives the cell it reaches the colour the first one got. False when the cursor stayed.
    bool PaintCursorMove(CursorMove move);
    // Shift was released or the grid lost the focus: the next Shift+arrow starts a new run.
    void EndCursorRun();

    // --- Set and weight buttons (they see the state from before the press) -----------------
    void PressUpperCase();       // SpeedButton2
    void PressLowerCase();       // SpeedButton3
    void PressSymbolSet(int n);  // Latin SpeedButton4 (n = 1) and SpeedButton5 (n = 2) only
    bool PressBold();            // SpeedButton1 "B"; false while it is hidden

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
    // While nothing was copied since the start, a paste changes nothing and the status line
    // says the buffer is empty.
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
    // N8Click (Russian) and English1Click (English); the Cyrillic edition stays Russian.
    void SetLanguage(Language language);

    // --- Files and imports ----------------------------------------------------------------------
    // The file commands live beside the session (FileCommands, editor/file_commands.h): they
    // read and write, and hand the session whole results through the private members below.
    //
    // A font from elsewhere (an import) lands as one undo step named `name`, the caption of the
    // item that made it, when the font or the grid changes; then the selected letter is reloaded.
    // It claims nothing about files: no saved mark, no base, no current file.
    void LoadFont(const FontImage& font, StepName name);

    // What to tell and ask before a fullflash save of the font into `path` (FlashSaveGuard).
    FlashSaveCheck CheckFlashSave(const std::string& path,
                                  FileSystem& fs = SystemFileSystem()) const;
    // Where the font goes in a fullflash: the edition, the chosen model and kind, their layout.
    FontPlace place() const;
    // The fullflash last loaded or saved, which a fullflash save offers; empty before any.
    const std::string& last_fullflash() const { return guard_.last_fullflash(); }
    const FontImage& base_font() const { return guard_.base(); }

    // A step done or undone since the last load or save, or edits in the grid not written back:
    // quitting now would lose them.
    bool HasUnsavedChanges() const;
    // The grid shows the selected letter otherwise than the font holds it.
    bool HasUnwrittenEdits() const;
    // What quitting asks while there are unsaved changes: when the grid's edits are all there is,
    // it names their letter; else it says the font changed since the last load or save.
    std::vector<Message> QuitQuestion() const;
    // Before a save or a patch export with edits on the grid: the sentence naming their letter.
    Message UnwrittenEditsNote() const;

    // --- The original letter ------------------------------------------------------------------
    // "Показывать исходную букву": the base font's glyph of the selected letter shows faintly in
    // the grid's white cells, or no longer does.
    void ToggleOriginal();
    // "Вернуть букву из fullflash": the selected letter as the base font holds it, grid and font,
    // as one step. False, and nothing changes, without a base or when it equals the base already.
    bool RevertLetter();
    // "Вернуть шрифт из fullflash": the whole font as the base, one step; false as above.
    bool RevertFont();

    // --- Undo and redo ------------------------------------------------------------------------
    void Undo();
    void Redo();
    const History& history() const { return history_; }

    // --- State and views ----------------------------------------------------------------------
    Edition edition() const { return state_.edition; }
    const EditorState& state() const { return state_; }
    const FontImage& font() const { return document_.font(); }
    // The grid's working glyph of a form, and of the live one.
    const Glyph& working(GlyphForm form) const { return working_[form]; }
    const Glyph& working() const { return working_[state_.form()]; }
    const Clipboard& clipboard() const { return clipboard_; }
    // What the window shows.
    const WindowModel& view() const { return view_; }
    // The ViewChange flags gathered since the last call; clears them.
    uint32_t TakeChanges() { return view_.TakeChanges(); }

  private:
    // The file commands hand over what they read and wrote; nothing else may claim that a file
    // was loaded or saved.
    friend class FileCommands;

    // A file load that succeeded: LoadFont, the file becomes the current one and the status line
    // names it. A fullflash load also makes the font the base. The history marks the load as
    // saved unless it kept unsaved changes (a partial load merged into them).
    void LoadedFile(const LoadedFont& loaded);
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
    // "Импорт из PNG...": the font read from the sheet `path` lands as an import does (LoadFont);
    // the status line names the sheet with the glyphs of the load scope it read.
    void ImportedSheet(const FontImage& font, const std::string& path);
    // "Экспорт в PNG...": the whole font was written to the sheet `path`; the status line says so.
    void ExportedSheet(const std::string& path);
    // The font now stands as the file last loaded or saved holds it.
    void MarkSaved();

    // How an operation treats the undo history and the letter on the grid (see Apply).
    struct Step {
        std::optional<StepName> name;  // the undo step it records
        bool keeps_edits = false;  // a letter change: edits not written back become a step first
        bool reloads = false;      // the selected letter is loaded again afterwards
        bool clears_edit_image = false;  // a load: the edit image starts white
        bool moves_base = false;         // a fullflash load: its undo brings the previous base back
        bool moves_file = false;         // a file load: its undo brings the previous file back

        // Nothing to undo: a choice of scope or language, a copy, an undo itself.
        static Step None() { return {}; }
        // The change is the step: a stroke, a shift, a write-back.
        static Step Recorded(StepName name) { return {name, false, false, false, false, false}; }
        // The font changed: a step, then the selected letter loaded from the new font.
        static Step FontChange(StepName name) { return {name, false, true, false, false, false}; }
        // Another letter, set, weight, model or kind: edits not written back become a step.
        static Step LetterChange() { return {std::nullopt, true, true, false, false, false}; }
        // The selected letter loaded, nothing to undo: the first activation.
        static Step Reload() { return {std::nullopt, false, true, false, false, false}; }
    };

    struct Stroke {
        bool active = false;
        bool ink = false;  // the colour the first cell got
        int row = 0;       // the last pointer position, in cells
        int col = 0;
        bool by_keys = false;  // a Shift+arrow run, which Shift's release ends
    };

    // The one way an operation changes anything: the step's undo record, the change, the reload
    // of the selected letter, and the views drawn from the result.
    template <typename Change>
    void Apply(Step step, Change&& change);
    void Draw();
    // A load's step: one named after the item when the font or the grid changes, and always
    // the reload of the selected letter from a white edit image.
    Step LoadStep(const FontImage& font, StepName name) const;

    // History.
    Snapshot Capture() const;
    void Restore(const Snapshot& snapshot, bool moves_base, bool moves_file);
    void RestoreBlock(Block block);

    // Workers.
    // A fullflash was loaded or saved: the base is its font.
    bool HasBase() const;
    bool LetterDiffersFromBase() const;
    bool FontDiffersFromBase() const;
    Glyph& Working() { return working_[state_.form()]; }
    // Elements 0..H of the live form: what a letter load and a write-back move.
    int ElementsUpToH() const;
    void LoadLetter(int slot, SelectionSource source);
    void ShowReshapedGlyph();
    void PaintCell(int row, int col);
    // The stroke's line on to (row, col), the width rule after it.
    void StrokeTo(int row, int col);
    // The letter on the grid as Label15 shows it, for the status line.
    std::string LetterShown() const;
    // A paste while nothing was copied: the status line says so. True when that was the case.
    bool RefusedEmptyPaste();
    void PressSetButton(int set);
    void ApplyWeightAvailability();
    void Notify(Message notice);
    // The name of a thumbnail's letter in the set shown, as held ("&&" for the ampersand).
    std::string Hint(int slot) const;
    // Label15 as held: the name of the letter on the grid, "-" before the first one.
    std::string LetterHeld() const;

    EditorState state_;
    Document document_;
    // The base font and the fullflash last loaded or saved.
    FlashSaveGuard guard_;
    History history_;
    // The font as the last load or save left it: whether the grid's edits are all that quitting
    // would lose.
    FontImage saved_font_;
    WorkingGlyphs working_;
    Clipboard clipboard_;
    Stroke stroke_;
    GridCursor cursor_;
    // PaintBoxEdit's hint: the name of the thumbnail pressed last, which a letter shown through
    // the edit image (after a shift) keeps even when the set changed since.
    std::string edit_image_hint_;
    // Label15's style follows whichever came last: the bold button (bold while it is down) or a
    // model or kind change (bold while the layout has both weights).
    bool letter_bold_ = true;
    Message notice_;
    uint64_t notices_ = 0;
    bool activated_ = false;
    // What the operation under way painted anew (ViewFacts).
    bool letter_shown_ = false;
    bool edit_image_cleared_ = false;
    WindowModel view_;
};

template <typename Change>
void Session::Apply(Step step, Change&& change) {
    if (step.keeps_edits && HasUnwrittenEdits()) {
        const std::string letter = LetterLabelText(state_.edition, LetterHeld());
        history_.Record(UiText::StepLetterChange, Capture());
        Notify({MessageId::LetterEditsKept, {letter}});
    }
    if (step.name) history_.Record(*step.name, Capture(), step.moves_base, step.moves_file);
    change();
    if (step.reloads && state_.selection.active()) {
        LoadLetter(state_.selection.slot, state_.selection.source);
    }
    edit_image_cleared_ = edit_image_cleared_ || step.clears_edit_image;
    // Another form or H may have left the cursor off the glyph.
    cursor_ = KeptLive(cursor_, state_.form(), state_.last_row());
    Draw();
}

}  // namespace rw
