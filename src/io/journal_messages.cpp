#include "io/journal_messages.h"

#include "io/file_io.h"

namespace rw {
namespace {

MessageId Refusal(JournalDistrust why) {
    switch (why) {
        case JournalDistrust::SymbolicLink:
            return MessageId::JournalIsASymbolicLink;
        case JournalDistrust::NotRegularFile:
            return MessageId::JournalNotRegularFile;
        case JournalDistrust::AnotherUsers:
            return MessageId::JournalOfAnotherUser;
        case JournalDistrust::WritableByOthers:
            break;
    }
    return MessageId::JournalWritableByOthers;
}

// A failure of the image that names its journal; `cause`, when given, is the failure it wraps.
Status AboutJournal(const std::string& image, MessageId id, const std::string& journal,
                    const Status* cause = nullptr) {
    Message message{id, {BaseNameOf(journal)}};
    if (cause != nullptr) message.inner.push_back(cause->message());
    return Status::Failure(image, std::move(message));
}

}  // namespace

Status UntrustedJournal(const std::string& image, const std::string& journal, JournalDistrust why,
                        const std::string& owner) {
    return Status::Failure(image, Message{Refusal(why), {BaseNameOf(journal), owner}});
}

Status JournalOfAnotherFile(const std::string& image, const std::string& journal) {
    return AboutJournal(image, MessageId::JournalOfAnotherFile, journal);
}

Status DamagedJournal(const std::string& image, const std::string& journal) {
    return AboutJournal(image, MessageId::JournalDamaged, journal);
}

Status JournalDoesNotFit(const std::string& image, const std::string& journal, int64_t bytes,
                         int64_t first_position) {
    return Status::Failure(image, Message{MessageId::JournalDoesNotFit,
                                          {BaseNameOf(journal), std::to_string(bytes),
                                           std::to_string(first_position)}});
}

Status JournalUnreadable(const std::string& image, const std::string& journal,
                         const Status& failure) {
    return AboutJournal(image, MessageId::JournalUnreadable, journal, &failure);
}

Status JournalNotWritten(const std::string& image, const std::string& journal,
                         const Status& failure) {
    return AboutJournal(image, MessageId::JournalNotWritten, journal, &failure);
}

Status JournalNotRemovedAfterSave(const std::string& image, const std::string& journal,
                                  const Status& failure) {
    return AboutJournal(image, MessageId::JournalNotRemovedAfterSave, journal, &failure);
}

Status RolledBackJournalStays(const std::string& image, const std::string& journal,
                              const Status& failure) {
    return AboutJournal(image, MessageId::RolledBackJournalStays, journal, &failure);
}

Status JournalWaitsForAWritableImage(const std::string& image, const std::string& journal,
                                     const Status& failure) {
    return AboutJournal(image, MessageId::JournalWaitsForAWritableImage, journal, &failure);
}

Status PartlyWrittenFailure(const std::string& image, const std::string& journal) {
    return Status::PartlyWritten(
        image, Message{MessageId::ImagePartlyWrittenJournalKept, {BaseNameOf(journal)}});
}

Message CutOffJournalNote(const std::string& image, const std::string& journal) {
    return {MessageId::CutOffJournalRemoved, {image, BaseNameOf(journal)}};
}

Message RolledBackNote(const std::string& image, const std::string& journal) {
    return {MessageId::RolledBackInterruptedSave, {image, BaseNameOf(journal)}};
}

}  // namespace rw
