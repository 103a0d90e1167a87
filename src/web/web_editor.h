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
#include "editor/session.h"
#include "io/memory_file_system.h"
#include "io/status.h"

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
    emscripten::val Show(const char* window);
    emscripten::val Box(const char* icon, const std::string& title, const std::string& text,
                        Continuation then);
    emscripten::val Ask(const std::vector<Message>& question, MessageId go_on, Continuation then);
    emscripten::val ChooseFile(UiText title, const std::string& filter, const char* purpose,
                               bool image, Continuation then);
    emscripten::val HandOut(UiText title, const std::string& name, const char* mime,
                            const char* purpose, bool replaces_opened, Continuation then);
    emscripten::val Pending(emscripten::val step, Continuation then);
    // The outcome of a command: the error box of a failure, or the note of a success; then `then`.
    emscripten::val Outcome(const Status& status, Continuation then);
    emscripten::val Failure(const Status& status);
    emscripten::val Note(const Message& note, Continuation then);

    // File commands.
    emscripten::val LoadFlash();
    emscripten::val LoadFrom(const Reply& file, LoadRequest::Source source);
    emscripten::val LoadHeld(const std::string& name, LoadRequest::Source source);
    emscripten::val WarnIfNotAFont();
    emscripten::val SaveFlash();
    emscripten::val SaveFlashInto(const std::string& name);
    emscripten::val LoadFontFile();
    emscripten::val LoadSft(LoadRequest::Source source);
    emscripten::val SaveFontFile();
    emscripten::val Quit();
    emscripten::val ImportPng();
    emscripten::val ImportSheet(const Reply& image);
    emscripten::val ExportPng();
    emscripten::val ExportPatch();
    emscripten::val ImportPatch();
    emscripten::val ImportPatchFrom(const Reply& file);
    // The fullflash a patch goes with: the one last loaded or saved, else one the user opens.
    emscripten::val WithFullflash(std::function<emscripten::val(const std::string&)> then);
    // Before a fullflash save or a patch of it: the rollback note and the question; then `then`.
    emscripten::val ConfirmFlashSave(const std::string& name, Continuation then);

    // A file the page handed in, held under its name.
    std::string Hold(const Reply& file);
    std::string Hold(const std::string& name, std::vector<uint8_t> bytes);
    // Drops the files no later command needs: all but the fullflash last loaded or saved.
    void ForgetOthers();
    // A fullflash load succeeded: the bytes now held under the fullflash's name are the new ones.
    void KeepHeld() { stashed_flash_ = std::nullopt; }

    Session session_;
    MemoryFileSystem files_;
    std::set<std::string> held_;  // the names of the files in files_
    // The held fullflash's bytes while a file of its name stands in for it.
    std::optional<std::vector<uint8_t>> stashed_flash_;
    Continuation pending_;
};

}  // namespace rw::web
