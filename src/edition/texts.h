#pragma once

#include "model/edition.h"
#include "model/phone_layouts.h"

namespace rw {

constexpr int kRussian = 0;
constexpr int kEnglish = 1;

// Texts of the main window and its windows that follow the interface language, as held (UTF-8,
// "&&" for an ampersand). The Cyrillic edition always uses the Russian column.
enum class UiText {
    Form3Caption,
    Form4Caption,
    Form5Label2,
    LoadFlashTitle,
    LoadFontFileTitle,
    SaveFlashTitle,
    SaveFontFileTitle,
    MenuFile,
    MenuLoadFlash,
    MenuSaveFlash,
    MenuLoadFontFile,
    MenuSaveFontFile,
    MenuExit,
    MenuClearLetter,
    MenuClearBlock,
    MenuClearFont,
    MenuFontType,
    MenuLoaderSettings,
    MenuLanguage,
    MenuInfo,
    MenuInstruction,
    MenuHistory,
    BoldHint,
    UpperCaseHint,
    LowerCaseHint,
    SymbolSet1Hint,
    SymbolSet2Hint,
    WriteBackCaption,
    WriteBackHint,
    CopyBlockCaption,
    CopyBlockHint,
    PasteBlockCaption,
    PasteBlockHint,
    CopyLetterCaption,
    CopyLetterHint,
    PasteLetterCaption,
    PasteLetterHint,
    ShiftRightHint,
    ShiftLeftHint,
    ShiftUpHint,
    ShiftDownHint,
    LetterCaption,
    WidthCaption,
    // The edit menu and the names of undo steps.
    MenuEdit,
    MenuUndo,
    MenuRedo,
    StepDrawing,
    StepShift,
    MenuFlipHorizontal,
    MenuFlipVertical,
    MenuInvert,
    MenuEmbolden,
    MenuBoldFromNormal,
    MenuLoadThinSft,  // the SFT -> SBF items of the Cyrillic edition
    MenuLoadBoldSft,
    MenuTools,
    MenuTextPreview,
    TextPreviewCaption,
    PreviewBold,
    PreviewScale,
    PreviewWrapWidth,
    PreviewMissing,
    PreviewCut,
    MenuImportFont,
    MenuImportPng,
    MenuExportPng,
    ImportFontTitle,
    ImportPngTitle,
    ExportPngTitle,
    StepLetterChange,
    // The import dialog.
    ImportFileButton,
    ImportFontLabel,
    ImportStyleLabel,
    ImportSizeLabel,
    ImportBaselineLabel,
    ImportBoldLabel,
    ImportBoldFace,
    ImportEmbolden,
    ImportFontFilter,
    // V_Klay patches in the "Сервис" menu.
    MenuExportPatch,
    MenuImportPatch,
    SavePatchTitle,
    LoadPatchTitle,
    PatchFilter,
    // The keys window.
    MenuKeys,
    KeysActionColumn,
    KeyPreviousLetter,
    KeyNextLetter,
};

// The text of an element in a language (0 Russian, 1 English) for an edition: where the
// editions differ (the block clipboard buttons), the Cyrillic edition has its own Russian texts.
const char* Text(UiText id, int language, Edition edition = Edition::Latin);

// Grid hint text `index` (0 unused bit, 1 Big bits, 2 Normal-and-Big bits, 3 + k width bit 7 - k).
const char* GridHintText(int index, int language);

// "Телефон (S/ME 45)" / "Phone (S/ME 45)", "Шрифт (Normal)" / "Font (Normal)".
const char* PhoneMenuCaption(PhoneModel model, int language);
const char* FontMenuCaption(FontKind kind, int language);

// The menu items: model items (C 45 reads "C45" in the Latin edition) and kind items.
const char* ModelItemCaption(PhoneModel model, Edition edition);
const char* KindItemCaption(FontKind kind);

// Caption of the load-scope item with `tag`; nullptr for a tag the edition lacks.
const char* LoadScopeCaption(int tag, Edition edition, int language);

// "Runewright v4.01 "RUS-Full" - [" or the ENG-Full form.
const char* WindowCaptionPrefix(Edition edition);

}  // namespace rw
