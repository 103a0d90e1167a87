#pragma once

#include <string>
#include <vector>

#include "io/file_io.h"
#include "io/journal_format.h"
#include "io/journal_messages.h"

namespace rw {

// The bytes a fullflash save is about to overwrite, and the bytes it writes, kept beside the
// image as NAME.rwj until the save is on the disk. A journal found later means a save was cut off
// (crash, kill, power cut): writing its old bytes back gives the image exactly as it was before
// that save.
//
// A journal is trusted only for its own file: it lies beside the image's real path, names the
// image's device, inode, birth time (or generation) and size, must be a regular file whose owner
// may write the image and that nobody who may not write the image may write, and is put back
// only where every byte still holds its old or its new value. A journal refused leaves the
// image as the cut-off save left it, possibly half-written: every command that reads it refuses
// it, naming the journal's owner, until `runewright-cli recover` by that owner or root.

// The journal of a path with its symbolic links resolved: "/home/u/dump.bin.rwj".
std::string JournalPathFor(const std::string& resolved_image);
// The journal of an image by any of its names: every symbolic link to it finds the same one.
// Fails ("File not found") when the image does not exist.
Status LocateJournal(FileSystem& fs, const std::string& image, std::string* journal);

// Creates the journal (never over an existing name), readable by its owner alone, flushes it and
// then its folder, so it is on the disk before the first byte of the image changes.
// Where the image's group may write it, the journal is readable by that group too.
Status WriteJournal(FileSystem& fs, const std::string& journal_path, const RollbackJournal& journal,
                    const FileInfo& image);
// Removes the journal of a save that ended or was undone, and flushes the folder; fails only
// when the journal stays.
Status RemoveJournal(FileSystem& fs, const std::string& journal_path);

// Writes the old bytes of the changes into the image, flushes, and reads them back to check them.
Status RestoreImage(File& image, const std::vector<JournalChange>& changes);

// For an image opened for writing and locked: when a journal lies beside it, checks that it may be
// trusted and belongs to this very file, writes its old bytes back, checks them and removes the
// journal; the result then carries a note saying so. A journal that is not trusted, belongs to
// another file, is damaged or does not fit the image's bytes is left alone, nothing is written,
// and the result says which and what to do.
// `vouched`: the journal's owner or root asked for it by name (recover) and takes the journal for
// theirs, whoever else could have written it.
Status RollBackInterruptedSave(FileSystem& fs, File& image, const std::string& journal_path,
                               bool vouched = false);

// The same for an image by name: opens and locks it only when a journal is there. A missing image
// is "File not found", a folder "NAME: a folder, not a file".
Status RecoverInterruptedSave(FileSystem& fs, const std::string& image, bool vouched = false);

// What a load saw of its image when it opened it: whether a save may run while it reads, and the
// image as it was then.
struct LoadStamp {
    // The user may not write the image: a save does not wait for such a reader's lock (see
    // File::Lock), so the read is checked afterwards instead.
    bool unguarded = false;
    FileInfo opened;
    std::string journal;  // where a save's journal would lie
};

// Opens an image for a load: an interrupted save is rolled back first, and the image is held
// under a shared lock, so no save into it is half done while it is read. The result carries the
// rollback's note. A load that gives `stamp` ends with FinishLoad.
Status OpenImageForLoad(FileSystem& fs, File& image, LoadStamp* stamp = nullptr);

// Ends a load: closes the image, and for an unguarded reader checks that no save ran while it
// read: the image unchanged since it was opened and no journal beside it. Otherwise the bytes
// read may mix two states of the image, and the load fails with "another program was saving
// the fullflash while it was read…", taking nothing.
Status FinishLoad(FileSystem& fs, File& image, const LoadStamp& stamp);

}  // namespace rw
