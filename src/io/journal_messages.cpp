#include "io/journal_messages.h"

#include "io/file_io.h"

namespace rw {
namespace {

const char* Reason(JournalDistrust why) {
    switch (why) {
        case JournalDistrust::SymbolicLink:
            return "is a symbolic link";
        case JournalDistrust::NotRegularFile:
            return "is not a regular file";
        case JournalDistrust::AnotherUsers:
            return "belongs to another user";
        case JournalDistrust::WritableByOthers:
            return "may be written by other users";
    }
    return "";
}

}  // namespace

Status UntrustedJournal(const std::string& image, const std::string& journal, JournalDistrust why) {
    return Status::Failure(image, BaseNameOf(journal) + " " + Reason(why) +
                                      ": it is not trusted and nothing is written; move it away "
                                      "to go on");
}

Status JournalOfAnotherFile(const std::string& image, const std::string& journal) {
    return Status::Failure(image, BaseNameOf(journal) +
                                      " belongs to another file (it was renamed or replaced): "
                                      "move it away to go on");
}

Status DamagedJournal(const std::string& image, const std::string& journal) {
    const std::string name = BaseNameOf(journal);
    return Status::Failure(image, name +
                                      " is damaged: it is left alone and nothing is written; "
                                      "check the image, then remove " +
                                      name);
}

Status JournalDoesNotFit(const std::string& image, const std::string& journal, int64_t bytes,
                         int64_t first_position) {
    const std::string name = BaseNameOf(journal);
    return Status::Failure(
        image, name + " does not fit this image: " + std::to_string(bytes) +
                   " of its bytes hold neither what they held before the interrupted save nor "
                   "what it wrote (the first at offset " +
                   std::to_string(first_position) +
                   "); nothing is written: check the image against your backup, then move " + name +
                   " away");
}

Status JournalUnreadable(const std::string& image, const std::string& journal,
                         const Status& failure) {
    return Status::Failure(image,
                           failure.text() + " (reading its journal " + BaseNameOf(journal) + ")");
}

Status JournalNotWritten(const std::string& image, const std::string& journal,
                         const Status& failure) {
    return Status::Failure(image,
                           failure.text() + " (writing its journal " + BaseNameOf(journal) + ")");
}

Status JournalNotRemovedAfterSave(const std::string& image, const std::string& journal,
                                  const Status& failure) {
    return Status::Failure(image,
                           failure.text() + " (removing its journal " + BaseNameOf(journal) + ")");
}

Status RolledBackJournalStays(const std::string& image, const std::string& journal,
                              const Status& failure) {
    return Status::Failure(image, "the image was put back, but " + BaseNameOf(journal) +
                                      " could not be removed (" + failure.text() +
                                      "): remove it to go on");
}

Status JournalWaitsForAWritableImage(const std::string& image, const std::string& journal,
                                     const Status& failure) {
    return Status::Failure(image, failure.text() + ": " + BaseNameOf(journal) +
                                      ", left by an interrupted save, must first be written back "
                                      "into it; make it writable to go on");
}

Status PartlyWrittenFailure(const std::string& image, const std::string& journal) {
    return Status::PartlyWritten(image,
                                 "the image is partly written; its original bytes are kept in " +
                                     BaseNameOf(journal) + "; do not flash it");
}

std::string RolledBackNote(const std::string& image, const std::string& journal) {
    return image +
           ": a save into it was interrupted; its bytes from before that save were put back "
           "from " +
           BaseNameOf(journal);
}

}  // namespace rw
