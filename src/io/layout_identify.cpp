#include "io/layout_identify.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "io/flash_codec.h"
#include "io/rollback_journal.h"

namespace rw {
namespace {

// Widest glyph a record may claim: the glyph columns plus one column of spacing.
constexpr int kNarrowMaxWidth = 8 + 1;
constexpr int kWideMaxWidth = 16 + 1;
// A font holds many different glyphs with a width and ink: at least one record in this many must
// be one. Zeros, erased flash or a few stray bytes in them make records that pass as empty
// glyphs, but hardly any drawn ones.
constexpr int kDrawnShare = 8;

// One set of record places and the layouts that put their records there.
struct Candidate {
    std::vector<int64_t> positions;  // ascending
    int payload = 0;
    bool wide = false;
    LayoutScore score;
};

std::vector<Candidate> Candidates(Edition edition) {
    std::vector<Candidate> candidates;
    for (PhoneModel model : kAllPhoneModels) {
        for (FontKind kind : kAllFontKinds) {
            const FontLayout layout = LookupLayout(edition, model, kind);
            Candidate c;
            for (const FlashRecord& r : RecordsToWrite(edition, layout)) {
                c.positions.push_back(r.position);
            }
            std::sort(c.positions.begin(), c.positions.end());
            c.payload = RecordPayloadLength(layout);
            c.wide = edition == Edition::Latin || layout.wide;
            const auto same =
                std::find_if(candidates.begin(), candidates.end(), [&](const Candidate& other) {
                    return other.payload == c.payload && other.positions == c.positions;
                });
            if (same != candidates.end()) {
                same->score.layouts.push_back({model, kind});
                continue;
            }
            c.score.layouts.push_back({model, kind});
            c.score.records = static_cast<int>(c.positions.size());
            candidates.push_back(std::move(c));
        }
    }
    return candidates;
}

// The stretches of an image that hold the records, read once each.
class RecordBytes {
  public:
    Status Read(File& file, const std::vector<Candidate>& candidates) {
        int64_t size = 0;
        Status status = file.Size(&size);
        if (!status.ok()) return status;
        for (const ByteRange& range : Ranges(candidates, size)) {
            Stretch stretch{range.begin, std::vector<uint8_t>(
                                             static_cast<std::size_t>(range.end - range.begin))};
            status = file.ReadAt(range.begin, stretch.bytes);
            if (!status.ok()) return status;
            stretches_.push_back(std::move(stretch));
        }
        return Status::Ok();
    }

    // The bytes at [position, position + length), or nullptr when they were not all read
    // (they lie past the end of the image).
    const uint8_t* At(int64_t position, int length) const {
        auto after = std::upper_bound(stretches_.begin(), stretches_.end(), position,
                                      [](int64_t p, const Stretch& s) { return p < s.begin; });
        if (after == stretches_.begin()) return nullptr;
        const Stretch& s = *std::prev(after);
        const int64_t offset = position - s.begin;
        if (offset + length > static_cast<int64_t>(s.bytes.size())) return nullptr;
        return s.bytes.data() + offset;
    }

  private:
    struct Stretch {
        int64_t begin;
        std::vector<uint8_t> bytes;
    };

    // Every record's bytes that lie inside the image, merged into ascending stretches.
    static std::vector<ByteRange> Ranges(const std::vector<Candidate>& candidates, int64_t size) {
        std::vector<ByteRange> wanted;
        for (const Candidate& c : candidates) {
            for (int64_t p : c.positions) {
                const int64_t end = std::min(p + c.payload, size);
                if (p >= 0 && p < end) wanted.push_back({p, end});
            }
        }
        std::sort(wanted.begin(), wanted.end(),
                  [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; });
        std::vector<ByteRange> merged;
        for (const ByteRange& r : wanted) {
            if (!merged.empty() && r.begin <= merged.back().end + kMergeGap) {
                merged.back().end = std::max(merged.back().end, r.end);
            } else {
                merged.push_back(r);
            }
        }
        return merged;
    }

    std::vector<Stretch> stretches_;
};

// A glyph a phone shows: a width, and ink in its rows.
bool Drawn(const uint8_t* payload, int length, bool wide) {
    const int width_byte = wide ? 1 : 0;
    if (payload[width_byte] == 0) return false;
    return std::any_of(payload + width_byte + 1, payload + length,
                       [](uint8_t b) { return b != 0; });
}

void Score(const RecordBytes& bytes, Candidate& c) {
    std::vector<std::string_view> drawn;
    for (int64_t p : c.positions) {
        const uint8_t* record = bytes.At(p, c.payload);
        if (record == nullptr) {
            c.score.inside_image = false;
            continue;
        }
        if (!LooksLikeGlyph(record, c.wide)) continue;
        ++c.score.matching;
        if (Drawn(record, c.payload, c.wide))
            drawn.emplace_back(reinterpret_cast<const char*>(record), c.payload);
    }
    std::sort(drawn.begin(), drawn.end());
    const auto distinct = std::unique(drawn.begin(), drawn.end()) - drawn.begin();
    if (distinct * kDrawnShare < c.score.records) c.score.matching = 0;
}

// A higher share first; at the same share the layout that explains more records, since a font
// with both weights also holds the one-weight font at its normal places.
bool Better(const LayoutScore& a, const LayoutScore& b) {
    const int64_t left = int64_t{a.matching} * b.records;
    const int64_t right = int64_t{b.matching} * a.records;
    if (left != right) return left > right;
    return a.records > b.records;
}

}  // namespace

bool LayoutScore::Covers(LayoutId id) const {
    return std::find(layouts.begin(), layouts.end(), id) != layouts.end();
}

bool LooksLikeGlyph(const uint8_t* payload, bool wide) {
    if (wide) return payload[0] == 0 && payload[1] <= kWideMaxWidth;
    return payload[0] <= kNarrowMaxWidth;
}

Status IdentifyLayouts(const std::string& path, Edition edition, std::vector<LayoutScore>* scores,
                       FileSystem& fs) {
    std::vector<Candidate> candidates = Candidates(edition);
    File file(fs, path);
    // The bytes of a save cut off halfway would say nothing of the phone.
    LoadStamp stamp;
    Status opened = OpenImageForLoad(fs, file, &stamp);
    if (!opened.ok()) return opened;
    RecordBytes bytes;
    Status status = bytes.Read(file, candidates);
    if (status.ok()) status = FinishLoad(fs, file, stamp);
    if (!status.ok()) return status.WithNote(opened.note());

    scores->clear();
    for (Candidate& c : candidates) {
        Score(bytes, c);
        scores->push_back(std::move(c.score));
    }
    std::stable_sort(scores->begin(), scores->end(), Better);
    return opened;
}

const LayoutScore* ScoreOf(const std::vector<LayoutScore>& scores, LayoutId id) {
    for (const LayoutScore& s : scores) {
        if (s.Covers(id)) return &s;
    }
    return nullptr;
}

FontPlaceCheck CheckFontPlace(const std::string& path, Edition edition, LayoutId chosen,
                              FileSystem& fs) {
    FontPlaceCheck check;
    const Status identified = IdentifyLayouts(path, edition, &check.scores, fs);
    check.note = identified.note();
    // An image that cannot be read is the load's or the save's to report, in their own words.
    if (!identified.ok()) return check;
    const LayoutScore* own = ScoreOf(check.scores, chosen);
    if (own == nullptr) return check;
    check.holds_font = own->LooksLikeFont();
    check.inside_image = own->inside_image;
    return check;
}

}  // namespace rw
