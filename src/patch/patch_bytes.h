#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace rw {

// The bytes of one data group of a patch. Most lines of real patches, and every line of a patch
// of millions of one-byte lines, hold a few bytes: up to eight are kept in the value itself with a
// one-byte length, so such a line costs no allocation and nine bytes instead of a vector's
// twenty-four and a heap block. Longer groups live on the heap behind their length; the pointer
// is kept in the same eight bytes. Everything is stored as bytes, so the value packs without
// padding into the line that holds it.
class PatchBytes {
  public:
    PatchBytes() = default;
    PatchBytes(std::span<const uint8_t> bytes) { Assign(bytes); }  // NOLINT: a value of bytes
    PatchBytes(const std::vector<uint8_t>& bytes) : PatchBytes(std::span<const uint8_t>(bytes)) {}
    PatchBytes(std::initializer_list<uint8_t> bytes)
        : PatchBytes(std::span<const uint8_t>(bytes.begin(), bytes.size())) {}
    PatchBytes(const PatchBytes& other) { Assign(other.span()); }
    PatchBytes(PatchBytes&& other) noexcept { TakeFrom(other); }
    PatchBytes& operator=(const PatchBytes& other) {
        if (this != &other) {
            Release();
            Assign(other.span());
        }
        return *this;
    }
    PatchBytes& operator=(PatchBytes&& other) noexcept {
        if (this != &other) {
            Release();
            TakeFrom(other);
        }
        return *this;
    }
    ~PatchBytes() { Release(); }

    size_t size() const { return OnHeap() ? HeapSize() : length_; }
    bool empty() const { return length_ == 0; }
    const uint8_t* data() const { return OnHeap() ? Heap() + sizeof(uint32_t) : store_; }
    const uint8_t* begin() const { return data(); }
    const uint8_t* end() const { return data() + size(); }
    uint8_t operator[](size_t i) const { return data()[i]; }
    std::span<const uint8_t> span() const { return {data(), size()}; }
    operator std::span<const uint8_t>() const { return span(); }  // NOLINT: a view of the bytes
    std::vector<uint8_t> ToVector() const { return {begin(), end()}; }

    friend bool operator==(const PatchBytes& a, const PatchBytes& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator==(const PatchBytes& a, const std::vector<uint8_t>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

  private:
    static constexpr size_t kInline = 8;
    // The length a value on the heap shows; its real length leads its heap block.
    static constexpr uint8_t kOnHeap = 0xFF;

    bool OnHeap() const { return length_ == kOnHeap; }
    uint8_t* Heap() const {
        uint8_t* pointer = nullptr;
        std::memcpy(&pointer, store_, sizeof pointer);
        return pointer;
    }
    size_t HeapSize() const {
        uint32_t size = 0;
        std::memcpy(&size, Heap(), sizeof size);
        return size;
    }
    void Assign(std::span<const uint8_t> bytes) {
        if (bytes.size() <= kInline) {
            length_ = static_cast<uint8_t>(bytes.size());
            std::copy(bytes.begin(), bytes.end(), store_);
            return;
        }
        const auto size = static_cast<uint32_t>(bytes.size());
        auto* pointer = new uint8_t[sizeof size + bytes.size()];
        std::memcpy(pointer, &size, sizeof size);
        std::copy(bytes.begin(), bytes.end(), pointer + sizeof size);
        std::memcpy(store_, &pointer, sizeof pointer);
        length_ = kOnHeap;
    }
    void TakeFrom(PatchBytes& other) {
        std::memcpy(store_, other.store_, sizeof store_);
        length_ = other.length_;
        other.length_ = 0;
    }
    void Release() {
        if (OnHeap()) delete[] Heap();
        length_ = 0;
    }

    static_assert(sizeof(uint8_t*) <= kInline);
    static_assert(kInline < kOnHeap);
    uint8_t length_ = 0;
    uint8_t store_[kInline] = {};
};

}  // namespace rw
