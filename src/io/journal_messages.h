#pragma once

#include <cstdint>
#include <string>

#include "edition/message.h"
#include "io/status.h"

namespace rw {

// What the rollback journal tells the user, one function a message (the texts are rows of the
// message table). `image` is the path the user gave, `journal` the journal's path; messages name
// the journal by its file name, and one that wraps a failure shows it in the same language.

// Why a journal found beside an image is not used.
enum class JournalDistrust { SymbolicLink, NotRegularFile, AnotherUsers, WritableByOthers };

// `owner` is the journal's owner by name.
Status UntrustedJournal(const std::string& image, const std::string& journal, JournalDistrust why,
                        const std::string& owner);
Status JournalOfAnotherFile(const std::string& image, const std::string& journal);
Status DamagedJournal(const std::string& image, const std::string& journal);
// Bytes of the image that hold neither their old nor their new value: something else wrote there
// after the save was cut off.
Status JournalDoesNotFit(const std::string& image, const std::string& journal, int64_t bytes,
                         int64_t first_position);
Status JournalUnreadable(const std::string& image, const std::string& journal,
                         const Status& failure);
Status JournalNotWritten(const std::string& image, const std::string& journal,
                         const Status& failure);
Status JournalNotRemovedAfterSave(const std::string& image, const std::string& journal,
                                  const Status& failure);
// A rollback that put the image back whole but could not remove the journal.
Status RolledBackJournalStays(const std::string& image, const std::string& journal,
                              const Status& failure);
// The image could not be opened for writing while a journal waits to be written back into it.
Status JournalWaitsForAWritableImage(const std::string& image, const std::string& journal,
                                     const Status& failure);
// A failed save that could not put the old bytes back.
Status PartlyWrittenFailure(const std::string& image, const std::string& journal);
// The note of a journal cut off while it was written, removed: the image never changed.
Message CutOffJournalNote(const std::string& image, const std::string& journal);
// The note of a rollback that put the image back whole.
Message RolledBackNote(const std::string& image, const std::string& journal);

}  // namespace rw
