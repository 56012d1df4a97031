// SPDX-License-Identifier: GPL-3.0-or-later
// A list of text lines kept in one block of bytes, with an index of where each line stands.
// The slots of a survey (a million lines in a large one) live in one: reading a project file
// keeps the file's own bytes as the block, so no line is copied and no line has a heap block of
// its own. A changed line that fits where it stood is written there; a longer one is written at
// the block's end. Bytes no line uses any more are dropped when they outgrow the lines.
//
// Reading goes through string views, which stay valid until the next change of the list.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/index_iterator.h"
#include "core/large_block.h"

namespace tavoric {

// Calls visit(line) for each line of text: every CR LF, LF or lone CR ends a line, and text
// after the last line end is a line of its own. Each line is a view into text.
template <typename Visit>
void ForEachLineOf(std::string_view text, Visit visit) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t start = 0;
    constexpr std::size_t kUnknown = std::string_view::npos;
    std::size_t lfAt = kUnknown;
    while (start < size) {
        // The next LF is looked for only once passed: text with lone CRs stays one pass.
        if (lfAt == kUnknown || lfAt < start) {
            const void* lf = std::memchr(data + start, '\n', size - start);
            lfAt = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : size;
        }
        const void* cr = std::memchr(data + start, '\r', lfAt - start);
        const std::size_t end =
            cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data) : lfAt;
        visit(text.substr(start, end - start));
        start = (end + 1 == lfAt) ? lfAt + 1 : end + 1;
    }
}

class LineBuffer {
public:
    using const_iterator = IndexIterator<LineBuffer>;
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = std::string_view;
    using const_reference = std::string_view;

    LineBuffer() = default;
    LineBuffer(std::initializer_list<std::string_view> lines);
    explicit LineBuffer(const std::vector<std::string>& lines);

    // The lines of block[first, last) as ForEachLineOf splits them, blank lines left out. The
    // block becomes the buffer's own, so its other bytes are kept too until a compaction.
    static LineBuffer FromBlock(ByteBlock block, std::size_t first, std::size_t last);

    std::size_t size() const { return index_.size(); }
    bool empty() const { return index_.empty(); }
    std::string_view operator[](std::size_t i) const {
        const Span span = index_[i];
        return {block_.data() + span.start, LengthOf(span)};
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }
    // The bytes of all lines, without line ends.
    std::size_t TextSize() const { return textSize_; }

    void Set(std::size_t i, std::string_view line);
    void push_back(std::string_view line);
    void Insert(std::size_t i, std::string_view line);
    void Erase(std::size_t first, std::size_t last);
    void clear();
    // Room for lines more lines of textBytes bytes together.
    void reserve(std::size_t lines, std::size_t textBytes = 0);

    // Removes the lines for which remove(line) holds, keeping the order of the others; remove
    // sees every line once, in order.
    template <typename Remove>
    void EraseIf(Remove remove) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < index_.size(); ++i) {
            if (remove((*this)[i])) {
                textSize_ -= LengthOf(index_[i]);
            } else {
                index_[kept++] = index_[i];
            }
        }
        index_.resize(kept);
        CompactIfWasteful();
    }

    // Puts the lines [first, first + order.size()) in the given order: the k-th line becomes
    // the one that stood at first + order[k]. order must be a permutation of 0..size-1.
    void Reorder(std::size_t first, const std::vector<std::size_t>& order);

    // Merges the sorted runs [0, middle) and [middle, size()) into one sorted by less; equal
    // lines keep the first run first.
    template <typename Less>
    void MergeRuns(std::size_t middle, Less less) {
        std::inplace_merge(
            index_.begin(), index_.begin() + static_cast<std::ptrdiff_t>(middle), index_.end(),
            [this, &less](const Span& a, const Span& b) { return less(ViewOf(a), ViewOf(b)); });
    }

    friend bool operator==(const LineBuffer& a, const LineBuffer& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator==(const LineBuffer& a, const std::vector<std::string>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    // Where a line stands in the block. Lines of 16 MiB and more (only in hand-made files)
    // keep their length in longLines_, under their start.
    struct Span {
        std::uint64_t start : 40;
        std::uint64_t length : 24;
    };
    static constexpr std::uint64_t kLongLine = (std::uint64_t{1} << 24) - 1;

    std::size_t LengthOf(Span span) const {
        return span.length == kLongLine ? LongLength(span.start) : span.length;
    }
    std::size_t LongLength(std::uint64_t start) const;
    std::string_view ViewOf(Span span) const {
        return {block_.data() + span.start, LengthOf(span)};
    }
    Span SpanOf(std::size_t start, std::size_t length);
    // Writes line at the end of the block; line may lie inside the block.
    Span AppendBytes(std::string_view line);
    void CompactIfWasteful();

    ByteBlock block_;
    std::vector<Span, LargeBlockAllocator<Span>> index_;
    std::size_t textSize_ = 0;
    std::vector<std::pair<std::uint64_t, std::size_t>> longLines_;  // start, length
};

}  // namespace tavoric
