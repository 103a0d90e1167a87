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

std::vector<std::string> WithMnemonics(const std::vector<std::string>& captions) {
    std::set<char32_t> taken;
    std::vector<std::string> marked;
    for (const std::string& caption : captions) {
        const std::string plain = WithoutMnemonic(caption);
        std::string result = plain;
        for (size_t at = 0; at < plain.size();) {
            size_t length = 1;
            const std::optional<char32_t> c = DecodeUtf8Character(plain.substr(at), &length);
            if (plain[at] == '&') {
                at += 2;  // an ampersand, "&&"
                continue;
            }
            const std::optional<char32_t> letter = c ? KeyLetter(*c) : std::nullopt;
            if (letter && taken.insert(*letter).second) {
                result = plain.substr(0, at) + "&" + plain.substr(at);
                break;
            }
            at += length;
        }
        marked.push_back(result);
    }
    return marked;
}

}  // namespace rw
