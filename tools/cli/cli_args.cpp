#include "cli/cli_args.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace rw::cli {

std::optional<CliArgs> ParseArgs(const std::vector<std::string>& words,
                                 const std::set<std::string>& option_names,
                                 const std::set<std::string>& flag_names, std::string* error) {
    CliArgs args;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        // "--" ends the options: a file named "--scope" can still be given after it.
        if (word == "--") {
            args.positionals.insert(args.positionals.end(), words.begin() + i + 1, words.end());
            break;
        }
        if (word.size() < 2 || word.rfind("--", 0) != 0) {
            args.positionals.push_back(word);
            continue;
        }
        if (flag_names.count(word)) {
            if (!args.flags.insert(word).second) {
                *error = "repeated " + word;
                return std::nullopt;
            }
            continue;
        }
        if (!option_names.count(word)) {
            *error = "unknown option " + word;
            return std::nullopt;
        }
        if (i + 1 >= words.size()) {
            *error = word + " needs a value";
            return std::nullopt;
        }
        if (!args.options.emplace(word, words[++i]).second) {
            *error = "repeated " + word;
            return std::nullopt;
        }
    }
    return args;
}

std::optional<Edition> ParseEdition(const std::string& word) {
    if (word == "rus") return Edition::Cyrillic;
    if (word == "eng") return Edition::Latin;
    return std::nullopt;
}

std::optional<PhoneModel> ParseModel(const std::string& word) {
    for (PhoneModel model : kAllPhoneModels) {
        if (word == ModelWord(model)) return model;
    }
    return std::nullopt;
}

std::optional<FontKind> ParseKind(const std::string& word) {
    for (FontKind kind : kAllFontKinds) {
        if (word == KindWord(kind)) return kind;
    }
    return std::nullopt;
}

const char* ModelWord(PhoneModel model) {
    return RowOf(model).word;
}

const char* KindWord(FontKind kind) {
    return RowOf(kind).word;
}

std::optional<int> ParseInt(const std::string& word, int min, int max) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end || value < min || value > max) return std::nullopt;
    return value;
}

bool ParseIntOption(const CliArgs& args, const std::string& name, int min, int max,
                    std::optional<int>* value, std::string* error) {
    const auto it = args.options.find(name);
    if (it == args.options.end()) return true;
    *value = ParseInt(it->second, min, max);
    if (!*value) *error = name + " must be " + std::to_string(min) + ".." + std::to_string(max);
    return value->has_value();
}

bool HasExtension(const std::string& path, const std::string& extension) {
    if (path.size() <= extension.size()) return false;
    return std::equal(extension.begin(), extension.end(), path.end() - extension.size(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

}  // namespace rw::cli
