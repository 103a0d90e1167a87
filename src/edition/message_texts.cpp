#include <cstddef>
#include <cstdlib>
#include <string_view>

#include "edition/message.h"
#include "edition/texts.h"

namespace rw {
namespace {

// A row of the message table. Blanks: "{N}" is argument N; "{N|form|form|form}" is argument N, a
// space and the noun that agrees with that number: Russian gives three forms (1, 2..4, 5..20),
// English two (1, other); "{mN}" is inner message N in the same language.
struct MessageRow {
    MessageId id;
    const char* russian;
    const char* english;
};

// In the order of MessageId, so a row is found by its id.
constexpr MessageRow kMessages[] = {
    {MessageId::AsIs, "{0}", "{0}"},
    {MessageId::NotRegularFile, "не обычный файл", "not a regular file"},
    {MessageId::FileInUse, "файл занят другой программой", "the file is in use by another program"},
    {MessageId::ReadOnlyFile, "файл только для чтения", "read-only file"},
    {MessageId::SameFile, "ввод и вывод — один и тот же файл",
     "the input and the output are the same file"},
    {MessageId::FilePartlyWritten, "{m0}; файл записан частично",
     "{m0}; the file is partly written"},
    {MessageId::ImageReadOnly, "только для чтения: ничего не записано",
     "read-only: nothing written"},
    {MessageId::ImageTooShortToSave,
     "Файл слишком короткий для этой модели телефона и типа шрифта: в нём "
     "{0|байт|байта|байт}, шрифту нужно {1|байт|байта|байт}",
     "The image is too short for this phone model and font kind: it holds {0|byte|bytes}, the "
     "font needs {1|byte|bytes}"},
    {MessageId::ImageTooShortToLoad,
     "Read beyond end of file: в файле {0|байт|байта|байт}, шрифту нужно {1|байт|байта|байт}",
     "Read beyond end of file: the image holds {0|byte|bytes}, the font needs {1|byte|bytes}"},
    {MessageId::NotAFontFileToReplace,
     "не файл шрифта {0} ({1|байт|байта|байт}): выберите другое имя",
     "not a {0} font file ({1|byte|bytes}): choose another name"},
    {MessageId::NotAFontFileToLoad,
     "не файл шрифта {0} ({1|байт|байта|байт}). Может быть, это fullflash? Используйте "
     "«Загрузить шрифт из fullflash».",
     "not a {0} font file ({1|byte|bytes}). Is it a fullflash? Use «Load font from "
     "FullFlash»."},
    {MessageId::IsAFolder, "это папка, а не файл", "a folder, not a file"},
    {MessageId::NeitherFullflashNorFontFile,
     "не fullflash и не файл шрифта ({0}): {1|байт|байта|байт}",
     "neither a fullflash nor a font file ({0}): {1|byte|bytes}"},
    {MessageId::FontFileOfOtherEdition, "файл шрифта {0} для {1}", "a {0} font file for {1}"},
    {MessageId::FontFileOfOtherForm,
     "файл шрифта {0}, а выбранный шрифт {1} хранится в файлах {2}. Файлы {0} подходят к "
     "шрифтам {3}: выберите такой телефон и тип шрифта, затем «Загрузить шрифт из файла».",
     "a {0} font file, while the chosen font, {1}, is kept in {2} files. {0} files fit "
     "the fonts {3}: choose such a phone and font type, then «Load font from fontfile»."},
    {MessageId::JournalIsASymbolicLink,
     "{0} — символическая ссылка: журналу нет доверия, ничего не прочитано и не записано; файл "
     "может быть записан наполовину, и если убрать {0}, он таким и останется",
     "{0} is a symbolic link: it is not trusted, nothing is read or written; the image may be "
     "half-written, and moving {0} away leaves it so"},
    {MessageId::JournalNotRegularFile,
     "{0} — не обычный файл: журналу нет доверия, ничего не прочитано и не записано; файл может "
     "быть записан наполовину, и если убрать {0}, он таким и останется",
     "{0} is not a regular file: it is not trusted, nothing is read or written; the image may be "
     "half-written, and moving {0} away leaves it so"},
    {MessageId::JournalOfAnotherUser,
     "{0} оставлен пользователем {1}, который не может изменять этот файл: журналу нет доверия, "
     "ничего не прочитано и не записано; файл может быть записан наполовину: откат завершит "
     "«runewright-cli recover», запущенный {1} или root (если убрать {0}, файл останется "
     "таким, как есть)",
     "{0} was left by {1}, who may not write this image: it is not trusted, nothing is read or "
     "written; the image may be half-written: \"runewright-cli recover\" run by {1} or root "
     "finishes the rollback (moving {0} away leaves the image as it is)"},
    {MessageId::JournalWritableByOthers,
     "{0} (пользователя {1}) могут изменять те, кто не может изменять этот файл: журналу нет "
     "доверия, ничего не прочитано и не записано; файл может быть записан наполовину: откат "
     "завершит «runewright-cli recover», запущенный {1} или root (если убрать {0}, файл "
     "останется таким, как есть)",
     "{0} (of {1}) may be written by users who may not write this image: it is not trusted, "
     "nothing is read or written; the image may be half-written: \"runewright-cli recover\" run "
     "by {1} or root finishes the rollback (moving {0} away leaves the image as it is)"},
    {MessageId::JournalOfAnotherFile,
     "{0} — журнал другого файла (файл переименован или заменён): чтобы продолжить, уберите его",
     "{0} belongs to another file (it was renamed or replaced): move it away to go on"},
    {MessageId::JournalDamaged,
     "{0} повреждён: журнал оставлен как есть, ничего не записано; проверьте файл, затем "
     "удалите {0}",
     "{0} is damaged: it is left alone and nothing is written; check the image, then remove {0}"},
    {MessageId::JournalDoesNotFit,
     "{0} не подходит к этому файлу: в {1|байте|байтах|байтах} из тех, что он охватывает, нет ни "
     "прежних данных, ни записанных прерванной записью (первый — по смещению {2}); ничего не "
     "записано: сверьте файл с резервной копией, затем уберите {0}",
     "{0} does not fit this image: {1} of its bytes hold neither what they held before the "
     "interrupted save nor what it wrote (the first at offset {2}); nothing is written: check the "
     "image against your backup, then move {0} away"},
    {MessageId::JournalUnreadable, "{m0} (при чтении журнала {0})",
     "{m0} (reading its journal {0})"},
    {MessageId::JournalNotWritten, "{m0} (при записи журнала {0})",
     "{m0} (writing its journal {0})"},
    {MessageId::JournalNotRemovedAfterSave, "{m0} (при удалении журнала {0})",
     "{m0} (removing its journal {0})"},
    {MessageId::RolledBackJournalStays,
     "прежние байты файла возвращены, но {0} не удалось удалить ({m0}): чтобы продолжить, "
     "удалите его",
     "the image was put back, but {0} could not be removed ({m0}): remove it to go on"},
    {MessageId::JournalWaitsForAWritableImage,
     "{m0}: сначала в файл нужно вернуть {0}, оставшийся от прерванной записи; чтобы продолжить, "
     "разрешите запись в файл",
     "{m0}: {0}, left by an interrupted save, must first be written back into it; make it "
     "writable to go on"},
    {MessageId::ImagePartlyWrittenJournalKept,
     "файл записан частично; его прежние байты сохранены в {0}; не прошивайте его в телефон",
     "the image is partly written; its original bytes are kept in {0}; do not flash it"},
    {MessageId::CancelledNothingWritten, "отменено: ничего не записано",
     "cancelled: nothing written"},
    {MessageId::RolledBackInterruptedSave,
     "{0}: запись в этот файл была прервана; его байты до той записи возвращены из {1}",
     "{0}: a save into it was interrupted; its bytes from before that save were put back from "
     "{1}"},
    {MessageId::CutOffJournalRemoved,
     "{0}: журнал {1} оборван при записи, до того как файл изменился: файл цел, журнал удалён",
     "{0}: {1} was cut off while it was written, before the image changed: the image is whole, "
     "the journal is removed"},
    {MessageId::SavedTo, "Записано в {0}: {1|буква|буквы|букв}", "Saved to {0}: {1|glyph|glyphs}"},
    {MessageId::LoadedFrom, "Загружено из {0}: {1|буква|буквы|букв}",
     "Loaded from {0}: {1|glyph|glyphs}"},
    {MessageId::LetterEditsKept, "Изменения буквы {0} не записаны в шрифт (Ctrl+Z вернёт их)",
     "Changes to {0} were not written to the font (Ctrl+Z brings them back)"},
    {MessageId::SaveReplacesUnchanged,
     "Запись в {0} заменит ещё {1|букву, которую|буквы, которые|букв, которые} вы не меняли: "
     "шрифт загружен из другого fullflash, для другого телефона или шрифта, или не загружен. "
     "Записать?",
     "Saving into {0} also replaces {1|glyph|glyphs} you did not change: the font was loaded from "
     "another fullflash, for another phone or font, or not loaded. Save anyway?"},
    {MessageId::SaveReplacesUnchangedSomeEmpty,
     "Запись в {0} заменит ещё {1|букву, которую|буквы, которые|букв, которые} вы не меняли, "
     "из них {2|пустая|пустые|пустые}: шрифт загружен из другого fullflash, для другого телефона "
     "или шрифта, или не загружен. Записать?",
     "Saving into {0} also replaces {1|glyph|glyphs} you did not change, {2} of them empty: the "
     "font was loaded from another fullflash, for another phone or font, or not loaded. Save "
     "anyway?"},
    {MessageId::QuitUnsaved, "Шрифт изменён и не записан. Выйти без записи?",
     "The font has unsaved changes. Quit without saving?"},
    {MessageId::AnswerSave, "Записать", "Save"},
    {MessageId::AnswerQuit, "Выйти", "Quit"},
    {MessageId::AnswerCancel, "Отмена", "Cancel"},
    {MessageId::ForeignData,
     "Данные на местах шрифта {0} не похожи на шрифт (совпадает {1}\u00A0%).",
     "The data at the places of the {0} font do not look like a font ({1}\u00A0% match)."},
    {MessageId::ForeignDataLooksLike, "Похоже на: {0}.", "It looks like: {0}."},
    {MessageId::CheckModelAndKind, "Проверьте модель телефона и тип шрифта.",
     "Check the phone model and font kind."},
    {MessageId::SaveAnyway, "Всё равно записать?", "Save anyway?"},
    {MessageId::ImportMissing, "нет в шрифте", "missing"},
    {MessageId::ImportMissingNormal, "нет в нормальном", "missing in normal"},
    {MessageId::ImportMissingBold, "нет в жирном", "missing in bold"},
    {MessageId::ImportClipped, "обрезан", "clipped"},
    {MessageId::ImportClippedNormal, "обрезан в нормальном", "clipped in normal"},
    {MessageId::ImportClippedBold, "обрезан в жирном", "clipped in bold"},
    {MessageId::ImportCounts, "Будет обрезано символов: {0}; нет в шрифте: {1}",
     "Characters clipped: {0}; missing: {1}"},
    {MessageId::ImportAllFit, "Все символы есть в шрифте и помещаются",
     "Every character is in the font and fits"},
    {MessageId::SheetWrongSize,
     "картинка {0} пикселей; лист этого шрифта — {1} пикселей или кратное этому",
     "the picture is {0} pixels; a sheet of this font is {1} pixels or a whole multiple of that"},
    {MessageId::SheetIncomplete, "пиксели картинки неполны", "the picture's pixels are incomplete"},
    {MessageId::PictureTooLarge, "Картинка слишком большая", "The picture is too large"},
    {MessageId::NotAPng, "Не картинка PNG", "Not a PNG picture"},
    {MessageId::PngEncodingFailed, "Не удалось закодировать PNG", "PNG encoding failed"},
    {MessageId::NotAFontFile, "Не файл шрифта", "Not a font file"},
    {MessageId::FreeTypeCannotStart, "FreeType не запускается", "FreeType could not start"},
    {MessageId::FontFreeTypeCannotRead, "FreeType не может прочитать этот шрифт",
     "Not a font FreeType can read"},
    {MessageId::FontWithoutDrawableSize, "В шрифте нет размера, который FreeType может нарисовать",
     "The font has no size FreeType can draw"},
    {MessageId::NoInstalledFontMatches, "Ни один установленный шрифт не подходит под это имя",
     "No installed font matches this name"},
    {MessageId::PatchUnknownToken, "непонятная запись «{0}»", "unknown token \"{0}\""},
    {MessageId::PatchPlaceholder, "заполнитель «{0}» в данных: впишите вместо него значение",
     "placeholder \"{0}\" in the data: put a value in its place"},
    {MessageId::PatchOddHexDigits, "нечётное число шестнадцатеричных цифр в {0}",
     "odd number of hex digits in {0}"},
    {MessageId::PatchCommentAfterNumber, "перед комментарием сразу после {0} нужен пробел",
     "a comment right after {0} needs a space before it"},
    {MessageId::PatchNotHexNumber, "{0} — не шестнадцатеричное число",
     "{0} is not a hexadecimal number"},
    {MessageId::PatchNotBinaryNumber, "{0} — не двоичное число", "{0} is not a binary number"},
    {MessageId::PatchNotDecimalNumber, "{0} — не десятичное число", "{0} is not a decimal number"},
    {MessageId::PatchTooManyHexDigits, "в {0} больше 8 шестнадцатеричных цифр",
     "{0} has more than 8 hex digits"},
    {MessageId::PatchTooManyBinaryDigits, "в {0} больше 32 двоичных цифр",
     "{0} has more than 32 binary digits"},
    {MessageId::PatchDecimalDigitCount,
     "{0}: {1|цифра|цифры|цифр}, а в десятичном числе их до 3 на один байт либо 5, 8, 10, 13, "
     "15, 17 или 20 (ведущие нули считаются)",
     "{0} has {1|digit|digits}: a decimal number takes up to 3 digits for one byte, or 5, 8, 10, "
     "13, 15, 17 or 20 (leading zeros count)"},
    {MessageId::PatchNumberDoesNotFit, "{0} не помещается в {1|байт|байта|байт}",
     "{0} does not fit in {1|byte|bytes}"},
    {MessageId::PatchUnterminatedString, "строка не закрыта кавычкой", "unterminated string"},
    {MessageId::PatchCommentMarkInString,
     "неэкранированные /*, */ или // в строке: пишите их как \\/\\*, \\*\\/ и \\/\\/",
     "unescaped /*, */ or // in a string: write them as \\/\\*, \\*\\/ and \\/\\/"},
    {MessageId::PatchByteEscapeAbove7F,
     "управляющая последовательность {0} в строке \"...\": там она не больше \\x7F",
     "escape {0} in a \"...\" string: at most \\x7F there"},
    {MessageId::PatchEscapePastOneByte, "управляющая последовательность {0} не помещается в байт",
     "escape {0} is past one byte"},
    {MessageId::PatchUnknownEscape, "неизвестная управляющая последовательность {0}",
     "unknown escape {0}"},
    {MessageId::PatchIncompleteEscape, "неполная управляющая последовательность {0}",
     "incomplete escape {0}"},
    {MessageId::PatchUnterminatedComment, "комментарий не закрыт: /* без */",
     "unterminated comment: /* without */"},
    {MessageId::PatchRtfDocument, "документ RTF: сохраните его как обычный текст",
     "an RTF document: save it as plain text"},
    {MessageId::PatchUtf16Text, "текст в UTF-16: сохраните его в Windows-1251 или UTF-8",
     "a UTF-16 text: save it as Windows-1251 or UTF-8"},
    {MessageId::PatchLoneCarriageReturn,
     "строки разделены одиночным CR: сохраните патч с концами строк CR LF или LF",
     "line ends of a lone CR: save the patch with CR LF or LF"},
    {MessageId::PatchNotUtf8, "в строке байты не UTF-8, а файл начинается с метки UTF-8",
     "bytes that are not UTF-8 in a string of a file that starts with a UTF-8 mark"},
    {MessageId::PatchNotInWindows1251, "символа «{0}» нет в Windows-1251",
     "the character \"{0}\" has no Windows-1251 byte"},
    {MessageId::PatchPragmaInData,
     "#pragma после продолжения строки данных «\\»: завершите строку данных перед ней",
     "#pragma after a \"\\\" continuation of a data line: end the data line before it"},
    {MessageId::PatchPragmaWithoutSwitch, "после #pragma нужны enable или disable и имя",
     "#pragma takes enable or disable and a name"},
    {MessageId::PatchUnknownPragma, "неизвестное имя в #pragma: {0}", "unknown #pragma name {0}"},
    {MessageId::PatchCorrectorPast32Bits, "поправка адресов {0} длиннее 32 бит",
     "corrector {0} is past 32 bits"},
    {MessageId::PatchColonAfterAddress, "после адреса {0} должно стоять двоеточие",
     "a colon must follow the address {0}"},
    {MessageId::PatchAddressPast32Bits, "адрес {0} длиннее 32 бит", "address {0} is past 32 bits"},
    {MessageId::PatchCorrectedAddressOutside32Bits,
     "адрес {0} с поправкой {1} выходит за пределы 32 бит",
     "address {0} with the corrector {1} is outside 32 bits"},
    {MessageId::PatchThirdDataGroup,
     "третья группа данных «{0}»: в строке данных только старые и новые данные",
     "a third data group \"{0}\": a data line holds old and new data at most"},
    {MessageId::PatchNoDataAfterAddress, "после адреса нет данных", "no data after the address"},
    {MessageId::PatchEmptyDataGroup, "пустая группа данных", "an empty data group"},
    {MessageId::PatchOldShorterThanNew,
     "старые данные ({0|байт|байта|байт}) короче новых ({1|байт|байта|байт})",
     "old data ({0|byte|bytes}) shorter than new data ({1|byte|bytes})"},
    {MessageId::PatchDataPast32Bits, "данные по адресу {0} выходят за пределы 32 бит",
     "the data at {0} run past 32 bits"},
    {MessageId::PatchNoDataLine, "в патче нет ни одной строки данных", "no data line in the patch"},
    {MessageId::PatchFileTooLarge, "слишком большой для патча файл ({0|байт|байта|байт})",
     "too large for a patch ({0|byte|bytes})"},
    {MessageId::PatchReadCancelled, "отменено: ничего не изменено", "cancelled: nothing changed"},
    {MessageId::PatchWarning, "предупреждение: {m0}", "warning: {m0}"},
    {MessageId::PatchWarningNoOldData,
     "нет старых данных: строка не проверяется перед записью, и её нельзя отменить",
     "no old data: the line is not checked before it is written and cannot be undone"},
    {MessageId::PatchWarningMoreWithoutOldData, "… и ещё {0|строка|строки|строк} без старых данных",
     "… and {0} more lines without old data"},
    {MessageId::PatchWarningCorrectorLeft, "поправка адресов {0} не сброшена через +0",
     "the corrector {0} is not ended with +0"},
    {MessageId::PatchWarningPragmaEnabledLeft, "#pragma enable {0} не отменена до конца файла",
     "#pragma enable {0} is not put back before the end"},
    {MessageId::PatchWarningPragmaDisabledLeft, "#pragma disable {0} не отменена до конца файла",
     "#pragma disable {0} is not put back before the end"},
    {MessageId::PatchOtherBytes, "в fullflash по адресу {0} не те байты, которых ждёт патч",
     "the fullflash holds other bytes at {0} than the patch expects"},
    {MessageId::PatchLineCannotBeUndone, "нет старых данных: строку нельзя отменить",
     "no old data: the line cannot be undone"},
    {MessageId::PatchForbidsUndo, "патч запрещает отменять эту строку (#pragma disable undo)",
     "the patch forbids undoing this line (#pragma disable undo)"},
    {MessageId::PatchPastImageEnd,
     "данные по адресу {0} выходят за конец {1} ({2|байт|байта|байт}): fullflash никогда не "
     "удлиняется",
     "the data at {0} reach past the end of {1} ({2|byte|bytes}): a fullflash is never "
     "lengthened"},
    {MessageId::ImageSavedWhileRead,
     "другая программа записывала fullflash, пока он читался: его байты могли смешаться, "
     "ничего не взято; попробуйте ещё раз",
     "another program was saving the fullflash while it was read: its bytes may be mixed, "
     "nothing was taken; try again"},
    {MessageId::RestoringPatchTooLarge,
     "патч, возвращающий fullflash, занял бы {0|байт|байта|байт}, а в патче может быть не больше "
     "{1}: ничего не записано",
     "the patch that restores the fullflash would take {0|byte|bytes}, more than the {1} a patch "
     "may hold: nothing was written"},
    {MessageId::PatchImageChangedMeanwhile,
     "другая программа изменила fullflash, пока проверялся патч; ничего не записано",
     "another program changed the fullflash while the patch was checked; nothing was written"},
    {MessageId::ImageSizeChangedMeanwhile,
     "другая программа изменила fullflash во время записи (теперь в нём {0|байт|байта|байт}, "
     "было {1}); ничего не записано",
     "another program changed the fullflash during the save (it now holds {0|byte|bytes}, it "
     "held {1}); nothing was written"},
    {MessageId::PatchNotNeeded, "Шрифт не отличается от fullflash: патч не нужен.",
     "The font equals the fullflash's: no patch is needed."},
    {MessageId::PatchSaved, "Записан патч {0}: {1|буква|буквы|букв}",
     "Saved patch {0}: {1|glyph|glyphs}"},
    {MessageId::PatchChangesGlyphs, "Патч меняет {0|букву|буквы|букв} этого шрифта.",
     "The patch changes {0|glyph|glyphs} of this font."},
    {MessageId::PatchChangesBytesOutside,
     "Ещё он меняет {0|байт|байта|байт} вне шрифта; они не загружены.",
     "It also changes {0|byte|bytes} outside the font; they are not loaded."},
    {MessageId::PatchLeavesFont, "Патч не меняет этот шрифт ({0}).",
     "The patch does not change this font ({0})."},
    // The edit menu's and the shift buttons' captions, then the letter.
    {MessageId::ClipboardEmpty, "Буфер пуст", "The buffer is empty"},
    {MessageId::WrittenToFont, "{0} записана в шрифт", "{0} written to the font"},
    {MessageId::FlippedHorizontally, "Отразить по горизонтали: {0}", "Flip horizontally: {0}"},
    {MessageId::FlippedVertically, "Отразить по вертикали: {0}", "Flip vertically: {0}"},
    {MessageId::Inverted, "Инвертировать: {0}", "Invert: {0}"},
    {MessageId::Emboldened, "Утолщить: {0}", "Embolden: {0}"},
    {MessageId::ShiftedRight, "Сдвиг вправо: {0}", "Shift right: {0}"},
    {MessageId::ShiftedLeft, "Сдвиг влево: {0}", "Shift left: {0}"},
    {MessageId::ShiftedUp, "Сдвиг вверх: {0}", "Shift up: {0}"},
    {MessageId::ShiftedDown, "Сдвиг вниз: {0}", "Shift down: {0}"},
    {MessageId::BoldFromNormalDone, "Жирный из нормального: {0|буква|буквы|букв}",
     "Bold from normal: {0|glyph|glyphs}"},
    {MessageId::GridEditsUnwritten, "Буква {0} изменена на сетке, но не записана в шрифт.",
     "Letter {0} was changed on the grid but not written to the font."},
    {MessageId::AnswerWriteAndGoOn, "Записать и продолжить", "Write it and go on"},
    {MessageId::AnswerGoOnWithout, "Продолжить без неё", "Go on without it"},
    {MessageId::QuitWithoutSaving, "Выйти без записи?", "Quit without saving?"},
    {MessageId::PatchForOtherPhones,
     "Чтобы получить патч для других телефонов, выберите нетронутую копию дампа.",
     "To get a patch for other phones, choose an untouched copy of the dump."},
    {MessageId::StepUndone, "Отменено: {0}", "Undone: {0}"},
    {MessageId::StepRedone, "Повторено: {0}", "Redone: {0}"},
};
static_assert(std::size(kMessages) == static_cast<size_t>(kLastMessageId) + 1);

constexpr bool EveryMessageRowAtItsId() {
    for (size_t i = 0; i < std::size(kMessages); ++i) {
        if (static_cast<size_t>(kMessages[i].id) != i) return false;
    }
    return true;
}
static_assert(EveryMessageRowAtItsId());

// Which of the forms agrees with n: Russian 1, 21, 31 … the first; 2..4, 22..24 … the second;
// everything else, 11..14 included, the third. English 1 the first, everything else the second.
size_t FormIndex(long long n, Language language) {
    if (language == kEnglish) return n == 1 ? 0 : 1;
    const long long tens = n % 100;
    const long long ones = n % 10;
    if (tens >= 11 && tens <= 14) return 2;
    if (ones == 1) return 0;
    if (ones >= 2 && ones <= 4) return 1;
    return 2;
}

// The number, a space and the agreeing form out of "form|form|form".
std::string WithNoun(const std::string& number, std::string_view forms, Language language) {
    const long long n = std::strtoll(number.c_str(), nullptr, 10);
    size_t wanted = FormIndex(n, language);
    size_t begin = 0;
    for (; wanted > 0; --wanted) {
        const size_t bar = forms.find('|', begin);
        if (bar == std::string_view::npos) break;
        begin = bar + 1;
    }
    const size_t end = forms.find('|', begin);
    return number + " " + std::string(forms.substr(begin, end - begin));
}

// One blank, the text between its braces: "N", "N|forms" or "mN".
std::string FillBlank(std::string_view blank, const Message& message, Language language) {
    if (blank.starts_with('m')) {
        const size_t index = std::strtoul(std::string(blank.substr(1)).c_str(), nullptr, 10);
        return index < message.inner.size() ? Render(message.inner[index], language)
                                            : std::string();
    }
    const std::vector<std::string>& args = message.args;
    const size_t bar = blank.find('|');
    const size_t index = std::strtoul(std::string(blank.substr(0, bar)).c_str(), nullptr, 10);
    std::string arg = index < args.size() ? args[index] : std::string();
    if (bar == std::string_view::npos) return arg;
    return WithNoun(arg, blank.substr(bar + 1), language);
}

}  // namespace

const char* MessagePattern(MessageId id, Language language) {
    const MessageRow& row = kMessages[static_cast<size_t>(id)];
    return language == kEnglish ? row.english : row.russian;
}

std::string Render(const Message& message, Language language) {
    const std::string_view pattern = MessagePattern(message.id, language);
    std::string text;
    size_t at = 0;
    while (at < pattern.size()) {
        const size_t open = pattern.find('{', at);
        const size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
        if (close == std::string_view::npos) {
            text += pattern.substr(at);
            break;
        }
        text += pattern.substr(at, open - at);
        text += FillBlank(pattern.substr(open + 1, close - open - 1), message, language);
        at = close + 1;
    }
    return text;
}

std::string Render(const std::vector<Message>& messages, Language language,
                   const std::string& separator) {
    std::string text;
    for (const Message& message : messages) {
        if (!text.empty()) text += separator;
        text += Render(message, language);
    }
    return text;
}

}  // namespace rw
