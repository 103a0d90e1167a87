#pragma once

#include <string>

#include "model/edition.h"
#include "model/phone_layouts.h"

namespace rw {

// Every caption and hint of the main window and its windows, by id: one table (texts.cpp) holds
// each in Russian and English, and the Cyrillic edition's own text where the editions differ.
// Texts are held as the window holds them (UTF-8, "&&" for an ampersand). The sentences the
// program reports, warns or asks with are the message table's (edition/message.h).
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
    // The names of the grid and the thumbnail strip, which a screen reader announces.
    GridName,
    LettersName,
    // What closes a window of the page's own (the keys, the help, the text preview).
    CloseWindow,
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
    // The file dialogs' filters and the items and titles that read the same in both languages.
    FullflashFilter,
    SftFilter,
    SbfFilter,
    SfeFilter,
    PngFilter,
    MenuSftSbf,
    LoadThinSftTitle,
    LoadBoldSftTitle,
    MenuRussian,
    MenuEnglish,
    MenuAbout,
    // The window caption's name before a file was chosen.
    NoFile,
    // The eleven grid hints, in this order: unused bit, Big bits, Normal-and-Big bits, width bit 7
    // down to width bit 0.
    GridHintUnusedBit,
    GridHintBigBits,
    GridHintNormalAndBigBits,
    GridHintWidthBit7,
    GridHintWidthBit6,
    GridHintWidthBit5,
    GridHintWidthBit4,
    GridHintWidthBit3,
    GridHintWidthBit2,
    GridHintWidthBit1,
    GridHintWidthBit0,
    // The phone menu's caption by model code, the font menu's by kind code.
    PhoneMenuSme45,
    PhoneMenuSme45i,
    PhoneMenuC45,
    PhoneMenuCm35,
    PhoneMenuS35,
    PhoneMenuM50,
    FontMenuNormal,
    FontMenuSmall,
    FontMenuBrowser,
    FontMenuBig,
    // The load-scope items by tag.
    LoadScopeUpperNormal,
    LoadScopeLowerNormal,
    LoadScopeUpperBold,
    LoadScopeLowerBold,
    LoadScopeNormal,
    LoadScopeBold,
    LoadScopeWholeFont,
    LoadScopeSymbolsNormal,
    LoadScopeSymbolsBold,
    LoadScopeLetters,
    LoadScopeSymbols,
    // The keys window.
    MenuKeys,
    KeysActionColumn,
    KeyPreviousLetter,
    KeyNextLetter,
    KeyLetterLeft,
    KeyLetterRight,
    KeyLetterAbove,
    KeyLetterBelow,
    KeyFirstLetter,
    KeyLastLetter,
    KeyCursorLeft,
    KeyCursorRight,
    KeyCursorUp,
    KeyCursorDown,
    KeyPaintLeft,
    KeyPaintRight,
    KeyPaintUp,
    KeyPaintDown,
    KeyFlipCell,
    // "Сервис" → "Масштаб" and its keys.
    MenuZoom,
    MenuZoomFit,
    KeyZoomIn,
    KeyZoomOut,
    KeyZoomReset,
    // "Файл" → "Последние файлы".
    MenuRecentFiles,
    MenuClearRecentFiles,
    MenuShowOriginal,
    MenuRevertLetter,
    MenuRevertFont,
};
// The last row of the table; the table's size follows from it.
inline constexpr UiText kLastUiText = UiText::MenuRevertFont;

// The text of an element in a language for an edition: the Cyrillic edition is always Russian
// and has its own texts where the editions differ (the block clipboard buttons, the load scopes).
const char* Text(UiText id, Language language, Edition edition = Edition::Latin);

// Grid hint text `index` (0 unused bit, 1 Big bits, 2 Normal-and-Big bits, 3 + k width bit 7 - k).
const char* GridHintText(int index, Language language);

// "Телефон (S/ME 45)" / "Phone (S/ME 45)", "Шрифт (Normal)" / "Font (Normal)".
const char* PhoneMenuCaption(PhoneModel model, Language language);
const char* FontMenuCaption(FontKind kind, Language language);

// The menu items: model items (C 45 reads "C45" in the Latin edition) and kind items.
const char* ModelItemCaption(PhoneModel model, Edition edition);
const char* KindItemCaption(FontKind kind);

// Caption of the load-scope item with `tag`; nullptr for a tag the edition lacks.
const char* LoadScopeCaption(int tag, Edition edition, Language language);

// "Runewright v4.01 "RUS-Full"" or the ENG-Full form: the program and its edition.
std::string ProgramTitle(Edition edition);

// "Runewright v4.01 "RUS-Full" - [" or the ENG-Full form.
std::string WindowCaptionPrefix(Edition edition);

}  // namespace rw
