#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/file_commands.h"

namespace rw::editor_testing {

// Runs a file command to its end as a user would: each choice or question takes the next of
// `answers`, what only tells is seen. Every prompt shown comes back, in order.
inline std::vector<FilePrompt> Finish(FileCommands& files, FilePrompt prompt,
                                      const std::vector<FileAnswer>& answers) {
    std::vector<FilePrompt> shown;
    size_t given = 0;
    while (!prompt.done()) {
        shown.push_back(prompt);
        if (!prompt.awaits_answer()) {
            prompt = files.Resume(FileAnswer::Seen());
            continue;
        }
        EXPECT_LT(given, answers.size()) << "unanswered: " << prompt.dialog.title << prompt.text;
        prompt = files.Resume(given < answers.size() ? answers[given++] : FileAnswer::Cancel());
    }
    EXPECT_EQ(given, answers.size()) << "answers left over";
    return shown;
}

inline std::vector<FilePrompt> RunFileCommand(FileCommands& files, FileCommand command,
                                              const std::vector<FileAnswer>& answers) {
    return Finish(files, files.Start(command), answers);
}

// The prompts of one kind among those shown.
inline std::vector<FilePrompt> OfKind(const std::vector<FilePrompt>& shown, FilePrompt::Kind kind) {
    std::vector<FilePrompt> found;
    for (const FilePrompt& p : shown) {
        if (p.kind == kind) found.push_back(p);
    }
    return found;
}

}  // namespace rw::editor_testing
