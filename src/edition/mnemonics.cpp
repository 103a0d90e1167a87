#include "edition/mnemonics.h"

#include <set>

#include "edition/utf8.h"

namespace rw {
namespace {

// The letter a key press gives whatever the case; nullopt for what no menu key may be.
std::optional<char32_t> KeyLetter(char32_t c) {
    if ((c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z')) return c;
    if (c >= U'A' && c <= U'Z') return c - U'A' + U'a';
    if (c >= U'а' && c <= U'я') return c;
    if (c >= U'А' && c <= U'Я') return c - U'А' + U'а';
    if (c == U'ё' || c == U'Ё') return U'ё';
    return std::nullopt;
}

}  // namespace

std::string WithoutMnemonic(const std::string& caption) {
    std::string plain;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            plain += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            plain += "&&";
            ++i;
        }
    }
    return plain;
}

namespace {

// A letter of a caption a mark may stand before: its byte offset and its key.
struct Candidate {
    size_t at;
    char32_t key;
    bool starts_word;
};

std::vector<Candidate> CandidatesOf(const std::string& plain) {
    std::vector<Candidate> candidates;
    bool after_space = true;
    for (size_t at = 0; at < plain.size();) {
        if (plain[at] == '&') {  // an ampersand, "&&"
            at += 2;
            after_space = false;
            continue;
        }
        size_t length = 1;
        const std::optional<char32_t> c = DecodeUtf8Character(plain.substr(at), &length);
        const std::optional<char32_t> key = c ? KeyLetter(*c) : std::nullopt;
        if (key) candidates.push_back({at, *key, after_space});
        after_space = plain[at] == ' ';
        at += length;
    }
    return candidates;
}

// The letter to mark: the first free one that starts a word, else the first free one, else (all
// taken) the first letter, shared with an item before: Alt then moves between the two.
std::optional<Candidate> Choose(const std::vector<Candidate>& candidates,
                                const std::set<char32_t>& taken) {
    for (bool words_only : {true, false}) {
        for (const Candidate& c : candidates) {
            if ((c.starts_word || !words_only) && !taken.count(c.key)) return c;
        }
    }
    if (candidates.empty()) return std::nullopt;
    return candidates.front();
}

}  // namespace

std::vector<std::string> WithMnemonics(const std::vector<std::string>& captions) {
    std::set<char32_t> taken;
    std::vector<std::string> marked;
    for (const std::string& caption : captions) {
        const std::string plain = WithoutMnemonic(caption);
        const std::optional<Candidate> chosen = Choose(CandidatesOf(plain), taken);
        if (!chosen) {
            marked.push_back(plain);
            continue;
        }
        taken.insert(chosen->key);
        marked.push_back(plain.substr(0, chosen->at) + "&" + plain.substr(chosen->at));
    }
    return marked;
}

}  // namespace rw
