#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace rw {

// The bytes of one data group of a patch. Most lines of real patches, and every line of a patch
// of millions of one-byte lines, hold a few bytes: up to eight are kept in the value itself, so
// such a line costs no allocation and twelve bytes instead of a vector's twenty-four and a heap
// block. Longer groups live on the heap; the pointer is kept in the same eight bytes.
class PatchBytes {
  public:
    PatchBytes() = default;
    PatchBytes(std::span<const uint8_t> bytes) { Assign(bytes); }  // NOLINT: a value of bytes
    PatchBytes(const std::vector<uint8_t>& bytes) : PatchBytes(std::span<const uint8_t>(bytes)) {}
    PatchBytes(std::initializer_list<uint8_t> bytes)
        : PatchBytes(std::span<const uint8_t>(bytes.begin(), bytes.size())) {}
    PatchBytes(const PatchBytes& other) { Assign(other.span()); }
    PatchBytes(PatchBytes&& other) noexcept {
        std::memcpy(store_, other.store_, sizeof store_);
        size_ = other.size_;
        other.size_ = 0;
    }
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
            std::memcpy(store_, other.store_, sizeof store_);
            size_ = other.size_;
            other.size_ = 0;
        }
        return *this;
    }
    ~PatchBytes() { Release(); }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const uint8_t* data() const { return OnHeap() ? Heap() : store_; }
    const uint8_t* begin() const { return data(); }
    const uint8_t* end() const { return data() + size_; }
    uint8_t operator[](size_t i) const { return data()[i]; }
    std::span<const uint8_t> span() const { return {data(), size_}; }
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

    bool OnHeap() const { return size_ > kInline; }
    uint8_t* Heap() const {
        uint8_t* pointer = nullptr;
        std::memcpy(&pointer, store_, sizeof pointer);
        return pointer;
    }
    void Assign(std::span<const uint8_t> bytes) {
        size_ = static_cast<uint32_t>(bytes.size());
        if (!OnHeap()) {
            std::copy(bytes.begin(), bytes.end(), store_);
            return;
        }
        auto* pointer = new uint8_t[bytes.size()];
        std::copy(bytes.begin(), bytes.end(), pointer);
        std::memcpy(store_, &pointer, sizeof pointer);
    }
    void Release() {
        if (OnHeap()) delete[] Heap();
        size_ = 0;
    }

    static_assert(sizeof(uint8_t*) <= kInline);
    uint32_t size_ = 0;
    uint8_t store_[kInline] = {};
};

}  // namespace rw
