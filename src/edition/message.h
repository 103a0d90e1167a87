#pragma once

#include <string>
#include <vector>

#include "model/edition.h"

namespace rw {

// Every sentence of the program's own that reports, warns or asks, by its row in the message
// table (message_texts.cpp), which holds it in Russian and English. The core hands messages on as
// values; whoever shows one renders it: the window in the interface language, the command-line
// tool in English.
enum class MessageId {
    // A text that reads the same in every language: the standard input/output error texts
    // ("File not found", "I/O error 5") and texts still put together as text.
    AsIs,
    // Files.
    NotRegularFile,
    FileInUse,
    ReadOnlyFile,
    SameFile,
    FilePartlyWritten,
    ImageReadOnly,
    ImageTooShortToSave,
    ImageTooShortToLoad,
    NotAFontFileToReplace,
    NotAFontFileToLoad,
    IsAFolder,
    // A file named on the command line.
    NeitherFullflashNorFontFile,
    FontFileOfOtherEdition,
    FontFileOfOtherForm,
    // The rollback journal beside a fullflash.
    JournalIsASymbolicLink,
    JournalNotRegularFile,
    JournalOfAnotherUser,
    JournalWritableByOthers,
    JournalOfAnotherFile,
    JournalDamaged,
    JournalDoesNotFit,
    JournalUnreadable,
    JournalNotWritten,
    JournalNotRemovedAfterSave,
    RolledBackJournalStays,
    JournalWaitsForAWritableImage,
    ImagePartlyWrittenJournalKept,
    CancelledNothingWritten,
    RolledBackInterruptedSave,
    CutOffJournalRemoved,
    // The status line.
    SavedTo,
    LoadedFrom,
    LetterEditsKept,
    // Questions and their answers.
    SaveReplacesUnchanged,
    SaveReplacesUnchangedSomeEmpty,
    QuitUnsaved,
    AnswerSave,
    AnswerQuit,
    AnswerCancel,
    // Which phone a fullflash is for.
    ForeignData,
    ForeignDataLooksLike,
    CheckModelAndKind,
    SaveAnyway,
    // Imports from installed fonts and PNG sheets.
    ImportMissing,
    ImportMissingNormal,
    ImportMissingBold,
    ImportClipped,
    ImportClippedNormal,
    ImportClippedBold,
    ImportCounts,
    ImportAllFit,
    SheetWrongSize,
    SheetIncomplete,
    PictureTooLarge,
    NotAPng,
    PngEncodingFailed,
    NotAFontFile,
    FreeTypeCannotStart,
    FontFreeTypeCannotRead,
    FontWithoutDrawableSize,
    NoInstalledFontMatches,
    // V_Klay patches: what stops the reader, at a line ("s45.vkp:12: …").
    PatchUnknownToken,
    PatchPlaceholder,
    PatchOddHexDigits,
    PatchCommentAfterNumber,
    PatchNotHexNumber,
    PatchNotBinaryNumber,
    PatchNotDecimalNumber,
    PatchTooManyHexDigits,
    PatchTooManyBinaryDigits,
    PatchDecimalDigitCount,
    PatchNumberDoesNotFit,
    PatchUnterminatedString,
    PatchCommentMarkInString,
    PatchByteEscapeAbove7F,
    PatchEscapePastOneByte,
    PatchUnknownEscape,
    PatchIncompleteEscape,
    PatchUnterminatedComment,
    PatchRtfDocument,
    PatchUtf16Text,
    PatchLoneCarriageReturn,
    PatchNotUtf8,
    PatchNotInWindows1251,
    PatchPragmaInData,
    PatchPragmaWithoutSwitch,
    PatchUnknownPragma,
    PatchCorrectorPast32Bits,
    PatchColonAfterAddress,
    PatchAddressPast32Bits,
    PatchCorrectedAddressOutside32Bits,
    PatchThirdDataGroup,
    PatchNoDataAfterAddress,
    PatchEmptyDataGroup,
    PatchOldShorterThanNew,
    PatchDataPast32Bits,
    PatchNoDataLine,
    PatchFileTooLarge,
    PatchReadCancelled,
    // V_Klay patches: warnings of the reader.
    PatchWarning,
    PatchWarningNoOldData,
    PatchWarningMoreWithoutOldData,
    PatchWarningCorrectorLeft,
    PatchWarningPragmaEnabledLeft,
    PatchWarningPragmaDisabledLeft,
    // V_Klay patches: applying and undoing.
    PatchOtherBytes,
    PatchLineCannotBeUndone,
    PatchForbidsUndo,
    PatchPastImageEnd,
    ImageSavedWhileRead,
    RestoringPatchTooLarge,
    PatchImageChangedMeanwhile,
    ImageSizeChangedMeanwhile,
    // V_Klay patches in the window.
    PatchNotNeeded,
    PatchSaved,
    PatchChangesGlyphs,
    PatchChangesBytesOutside,
    PatchLeavesFont,
    // The status line after an edit.
    ClipboardEmpty,
    WrittenToFont,
    FlippedHorizontally,
    FlippedVertically,
    Inverted,
    Emboldened,
    ShiftedRight,
    ShiftedLeft,
    ShiftedUp,
    ShiftedDown,
    BoldFromNormalDone,
    // Edits on the grid that a save or quitting would leave out.
    GridEditsUnwritten,
    AnswerWriteAndGoOn,
    AnswerGoOnWithout,
    QuitWithoutSaving,
    // A patch against an image that already holds the font.
    PatchForOtherPhones,
    // The status line after an undo or redo: the step's name.
    StepUndone,
    StepRedone,
};
// The last row of the table; the table's size follows from it.
inline constexpr MessageId kLastMessageId = MessageId::StepRedone;

// One message: the row of the table and the words that fill its blanks, in order. Numbers are
// given as their digits; the table picks the noun that agrees with them. A message that wraps
// another one (the failure behind "… (reading its journal d.bin.rwj)") holds it in `inner`, and
// it is rendered in the same language.
struct Message {
    MessageId id = MessageId::AsIs;
    std::vector<std::string> args;
    std::vector<Message> inner = {};

    // A text shown as it is.
    static Message AsIs(std::string text) { return {MessageId::AsIs, {std::move(text)}}; }
    // No message at all: AsIs with no text.
    bool empty() const { return id == MessageId::AsIs && (args.empty() || args[0].empty()); }

    friend bool operator==(const Message&, const Message&) = default;
};

// The message in a language with its blanks filled.
std::string Render(const Message& message, Language language);

// Several messages as one text, separated by `separator`.
std::string Render(const std::vector<Message>& messages, Language language,
                   const std::string& separator = " ");

// The text of a table row before its blanks are filled, for tests that compare the table with
// the window's own captions.
const char* MessagePattern(MessageId id, Language language);

}  // namespace rw
