#pragma once

#include <deque>
#include <functional>
#include <string>

#include "edition/message.h"
#include "edition/texts.h"
#include "editor/face_opener.h"
#include "editor/file_prompt.h"
#include "editor/picture_codec.h"
#include "editor/session.h"
#include "io/file_io.h"
#include "io/status.h"
#include "patch/patch_reader.h"

namespace rw {

// The file commands beside the session: every load, save, import and export of the menus and
// the file given on the command line. It decides everything a command does: which dialog it
// shows and what that offers, what to read and how, what to ask before a write, what to tell
// afterwards. It reads and writes through the file system seam, decodes and encodes pictures
// through the picture port and opens faces through the face port, and hands the session one
// whole result, which the session alone turns into a step, a saved mark or a new base.
//
// A command is a sequence of prompts (FilePrompt): Start gives the first, Resume the next with
// the answer to the one before, until one is Done. Nothing waits inside: a front end whose
// dialogs answer later simply calls Resume later. The session's views change as the command
// goes, so a front end shows them after every prompt. Starting a command drops one not finished.
class FileCommands {
  public:
    // The ports may be null where a front end has no pictures or no installed fonts; it then
    // offers no command that needs them, and such a command ends at once.
    FileCommands(Session& session, FileSystem& fs = SystemFileSystem(),
                 PictureCodec* pictures = nullptr, FaceOpener* faces = nullptr);

    FilePrompt Start(FileCommand command);
    // A file named outside the file dialogs: on the command line, dropped on the window, chosen
    // among the recent files. It is judged before anything of it is read into the font: a
    // fullflash is loaded as "Загрузить шрифт из fullflash" loads it, a font file of the edition
    // as "Загрузить шрифт из файла" does; a PNG sheet is imported as "Импорт из PNG..." imports
    // one, a patch as "Импорт из патча (.vkp)..." does (into the fullflash last loaded or saved,
    // else the one the fullflash dialog asks for); anything else fails naming the file and why.
    FilePrompt OpenGiven(const std::string& path);
    FilePrompt Resume(const FileAnswer& answer);
    // Told how far a long read has come (a patch of millions of lines takes seconds); when it
    // returns false the command ends there and nothing changes.
    void SetReadProgress(ReadProgress progress) { progress_ = std::move(progress); }

  private:
    enum class LoadSource { Fullflash, FontFile, ThinSft, BoldSft };
    enum class SaveTarget { Fullflash, FontFile };
    using Continuation = std::function<void(const FileAnswer&)>;

    // The prompt queue: what only tells comes first, a choice or question last with the
    // continuation that takes its answer.
    FilePrompt Next();
    void Await(FilePrompt prompt, Continuation next);
    void AwaitFile(FileDialogSpec dialog, std::function<void(const std::string&)> chosen);
    void AwaitYes(const std::vector<Message>& question, MessageId go_on, std::function<void()> yes);
    void Tell(FilePrompt prompt);
    // The command read or wrote `path`: its Done prompt names the file.
    void Finished(FileRole role, const std::string& path);
    // A failure in the error box, else the note of an interrupted save rolled back first.
    void TellOutcome(const Status& status);
    void TellFailure(const Status& status);
    void TellNote(const Message& note);
    void TellNotice(UiText title, const std::vector<Message>& text);

    // The commands.
    // Before a save or a patch export: edits on the grid not written back, written on request.
    void WithGridWritten(std::function<void()> go_on);
    void LoadCommand(FileDialogSpec dialog, LoadSource source);
    void LoadAndTell(const std::string& path, LoadSource source);
    Status Load(const std::string& path, LoadSource source);
    void SaveCommand(FileDialogSpec dialog, SaveTarget target);
    void SaveAndTell(const std::string& path, SaveTarget target);
    Status Save(const std::string& path, SaveTarget target);
    // Before a fullflash save or a patch: the note, then the question if there is one.
    void ConfirmFlashSave(const std::string& path, std::function<void()> go_on);
    void ImportFont();
    void ImportFaces(const FontImportRequest& request);
    void ImportPng(const std::string& path);
    void ExportPng(const std::string& path);
    // The fullflash a patch is made against or applied to: the one last loaded or saved, else
    // one the fullflash load dialog asks for.
    void WithFullflash(std::function<void(const std::string&)> flash);
    void ExportPatch(const std::string& flash);
    void ImportPatch(const std::string& path);
    // The patch read from `path` applied in memory to `flash`, the font read from the result.
    void ApplyPatch(const Patch& patch, const std::string& path, const std::string& flash);

    // Dialogs and texts.
    std::string T(UiText id) const;
    std::string Said(const std::vector<Message>& messages) const;
    FileDialogSpec FlashLoadDialog() const;
    std::string FontFileFilter() const;

    Session& session_;
    FileSystem& fs_;
    PictureCodec* pictures_;
    FaceOpener* faces_;
    ReadProgress progress_;
    std::deque<FilePrompt> queue_;
    Continuation next_;
    bool awaiting_ = false;
    std::string finished_file_;
    FileRole finished_role_ = FileRole::Fullflash;
};

}  // namespace rw
