#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "edition/message.h"
#include "edition/texts.h"
#include "editor/file_commands.h"
#include "editor/session.h"
#include "io/memory_file_system.h"
#include "io/status.h"
#include "web/browser_pictures.h"

namespace rw::web {

// The page's reply to a step of a file command (see web/src/core-api.d.ts).
struct Reply {
    enum Kind { Button, File, Image, Cancel, Saved, Error } kind = Cancel;
    int button = -1;
    std::string name;
    std::vector<uint8_t> bytes;  // a file's bytes, or a decoded picture's RGBA
    int width = 0;
    int height = 0;
    std::string error;

    static Reply Of(const emscripten::val& value);
};

// What the page answers a step with, and what the command does next.
using Continuation = std::function<emscripten::val(const Reply&)>;

// The session behind the page, with the files it holds in memory: the fullflash last loaded or
// saved stays there, so that a save patches it and a patch export compares with it, as the
// window does with the file on the disk. Every other file lives only for its command.
//
// Operations are the session's; file commands run the window's sequence of dialogs, questions and
// messages as steps the page answers (`Step` values). Nothing here decides what a press does.
class WebEditor {
  public:
    explicit WebEditor(Edition edition);

    emscripten::val View() const;

    bool PressThumbnail(int slot);
    bool ClickCell(int row, int col);
    bool BeginStroke(int row, int col);
    void ContinueStroke(int row, int col);
    void EndStroke();
    bool MoveCursor(const std::string& direction);
    bool FlipCursorCell();
    bool PaintCursorMove(const std::string& direction);
    void EndCursorRun();
    bool Press(const std::string& button);

    emscripten::val Key(const std::string& command);
    emscripten::val Menu(const std::string& item);
    emscripten::val OpenFile(const emscripten::val& file);
    emscripten::val Resume(const emscripten::val& reply);

    emscripten::val InfoText(const std::string& window) const;
    emscripten::val PreviewTexts() const;
    emscripten::val Preview(const emscripten::val& request) const;

    const Session& session() const { return session_; }

  private:
    Language language() const { return session_.state().language; }
    std::string Text(UiText id) const;

    // Steps.
    emscripten::val Done();
    emscripten::val Finished();
    emscripten::val Show(const char* window);
    emscripten::val Box(const char* icon, const std::string& title, const std::string& text,
                        Continuation then);
    emscripten::val Ask(const std::vector<Message>& question, MessageId go_on, Continuation then);
    emscripten::val ChooseFile(const std::string& title, const std::string& filter,
                               const char* purpose, bool image, Continuation then);
    emscripten::val HandOut(const std::string& title, const std::string& name, const char* mime,
                            const char* purpose, bool replaces_opened, Continuation then);
    emscripten::val Pending(emscripten::val step, Continuation then);
    emscripten::val Failure(const Status& status);

    // File commands: the core's prompts as steps.
    emscripten::val StartCommand(FileCommand command);
    emscripten::val StepOf(FilePrompt prompt);
    emscripten::val ChooseFor(const FileDialogSpec& dialog);
    emscripten::val AnswerSave(const FileDialogSpec& dialog);
    // Answers the pending save dialog with `name`, which the page gets once it is written.
    emscripten::val SaveAs(const std::string& name, const FileDialogSpec& dialog);
    const char* PurposeOf(const FileDialogSpec& dialog) const;
    emscripten::val Quit();
    emscripten::val ImportDroppedSheet(const Reply& image);

    // A file the page handed in, held under its name.
    std::string Hold(const Reply& file);
    std::string Hold(const std::string& name, std::vector<uint8_t> bytes);
    // Drops the files no later command needs: all but the fullflash last loaded or saved.
    void ForgetOthers();

    Session session_;
    MemoryFileSystem files_;
    BrowserPictures pictures_;
    FileCommands commands_{session_, files_, &pictures_};
    // The command under way, and whether it failed (a failed load gives the held fullflash back).
    std::optional<FileCommand> command_;
    bool failed_ = false;
    // The file a save dialog was answered with, and its bytes before (none when it was new).
    struct Written {
        std::string name;
        std::optional<std::vector<uint8_t>> before;
        const char* purpose;
        bool replaces_opened;
        std::string title;
        uint64_t generation;  // of the window model when the name was given
    };
    std::optional<Written> save_;
    std::set<std::string> held_;  // the names of the files in files_
    // The held fullflash's bytes while a file of its name stands in for it.
    std::optional<std::vector<uint8_t>> stashed_flash_;
    Continuation pending_;
};

}  // namespace rw::web
