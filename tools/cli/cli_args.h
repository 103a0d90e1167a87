#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/edition.h"
#include "model/phone_layouts.h"

namespace rw::cli {

// The words after the command name: "--name value" options, "--flag" flags and the rest.
struct CliArgs {
    std::map<std::string, std::string> options;
    std::set<std::string> flags;
    std::vector<std::string> positionals;
};

// Splits the words; fails (nullopt, with the reason in *error) on an unknown option or flag, a
// repeated one, or an option without its value.
std::optional<CliArgs> ParseArgs(const std::vector<std::string>& words,
                                 const std::set<std::string>& option_names,
                                 const std::set<std::string>& flag_names, std::string* error);

// The options that name the layout a command works at: edition, model and kind.
inline const std::set<std::string> kTargetOptions = {"--edition", "--model", "--kind"};

std::optional<Edition> ParseEdition(const std::string& word);   // rus, eng
std::optional<PhoneModel> ParseModel(const std::string& word);  // s45, s45i, c45, cm35, s35, m50
std::optional<FontKind> ParseKind(const std::string& word);     // normal, small, browser, big
// The words of ParseModel and ParseKind for a value.
const char* ModelWord(PhoneModel model);
const char* KindWord(FontKind kind);
std::optional<int> ParseInt(const std::string& word, int min, int max);

// The number given with option `name`, checked against min..max. Absent: true with *value left
// as it was (its default). A bad number: false, with the reason in *error.
bool ParseIntOption(const CliArgs& args, const std::string& name, int min, int max,
                    std::optional<int>* value, std::string* error);

// True when `path` ends in `extension` (".sft"), ignoring case.
bool HasExtension(const std::string& path, const std::string& extension);

}  // namespace rw::cli
