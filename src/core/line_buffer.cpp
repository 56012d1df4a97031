// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/line_buffer.h"

#include <functional>
#include <new>

namespace tavoric {

namespace {

constexpr std::uint64_t kFurthestStart = (std::uint64_t{1} << 40) - 1;
// Unused bytes are dropped only when there are more of them than this besides the lines.
constexpr std::size_t kWasteAllowance = std::size_t{1} << 20;

bool LiesIn(std::string_view text, const ByteBlock& block) {
    const std::less_equal<const char*> notAfter;
    return !text.empty() && notAfter(block.data(), text.data()) &&
           notAfter(text.data() + text.size(), block.data() + block.size());
}

}  // namespace

LineBuffer::LineBuffer(std::initializer_list<std::string_view> lines) {
    reserve(lines.size());
    for (std::string_view line : lines) {
        push_back(line);
    }
}

LineBuffer::LineBuffer(const std::vector<std::string>& lines) {
    reserve(lines.size());
    for (const std::string& line : lines) {
        push_back(line);
    }
}

LineBuffer LineBuffer::FromBlock(ByteBlock block, std::size_t first, std::size_t last) {
    LineBuffer lines;
    lines.block_ = std::move(block);
    const std::string_view text = std::string_view(lines.block_).substr(first, last - first);
    lines.index_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    ForEachLineOf(text, [&lines](std::string_view line) {
        if (!line.empty()) {
            const auto start = static_cast<std::size_t>(line.data() - lines.block_.data());
            lines.index_.push_back(lines.SpanOf(start, line.size()));
            lines.textSize_ += line.size();
        }
    });
    return lines;
}

void LineBuffer::Set(std::size_t i, std::string_view line) {
    if (LiesIn(line, block_)) {
        Set(i, std::string(line));
        return;
    }
    const Span old = index_[i];
    const std::size_t oldLength = LengthOf(old);
    if (line.size() <= oldLength && line.size() < kLongLine) {
        if (!line.empty()) {
            std::memcpy(block_.data() + old.start, line.data(), line.size());
        }
        index_[i] = SpanOf(old.start, line.size());
    } else {
        index_[i] = AppendBytes(line);
    }
    textSize_ = textSize_ - oldLength + line.size();
    CompactIfWasteful();
}

void LineBuffer::push_back(std::string_view line) {
    index_.push_back(AppendBytes(line));
    textSize_ += line.size();
}

void LineBuffer::Insert(std::size_t i, std::string_view line) {
    const Span span = AppendBytes(line);
    index_.insert(index_.begin() + static_cast<std::ptrdiff_t>(i), span);
    textSize_ += line.size();
}

void LineBuffer::Erase(std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        textSize_ -= LengthOf(index_[i]);
    }
    index_.erase(index_.begin() + static_cast<std::ptrdiff_t>(first),
                 index_.begin() + static_cast<std::ptrdiff_t>(last));
    CompactIfWasteful();
}

void LineBuffer::clear() {
    *this = LineBuffer();
}

void LineBuffer::reserve(std::size_t lines, std::size_t textBytes) {
    index_.reserve(index_.size() + lines);
    block_.reserve(block_.size() + textBytes);
}

void LineBuffer::Reorder(std::size_t first, const std::vector<std::size_t>& order) {
    std::vector<Span> reordered;
    reordered.reserve(order.size());
    for (const std::size_t from : order) {
        reordered.push_back(index_[first + from]);
    }
    std::copy(reordered.begin(), reordered.end(),
              index_.begin() + static_cast<std::ptrdiff_t>(first));
}

std::size_t LineBuffer::LongLength(std::uint64_t start) const {
    // The newest entry of a start wins: a long line may have been replaced at the same place.
    const auto found = std::find_if(longLines_.rbegin(), longLines_.rend(),
                                    [start](const auto& entry) { return entry.first == start; });
    return found->second;
}

LineBuffer::Span LineBuffer::SpanOf(std::size_t start, std::size_t length) {
    if (start > kFurthestStart) {
        throw std::bad_alloc();
    }
    Span span;
    span.start = start;
    span.length = length < kLongLine ? length : kLongLine;
    if (length >= kLongLine) {
        longLines_.emplace_back(start, length);
    }
    return span;
}

LineBuffer::Span LineBuffer::AppendBytes(std::string_view line) {
    if (LiesIn(line, block_)) {
        return AppendBytes(std::string(line));
    }
    const std::size_t start = block_.size();
    block_.append(line);
    return SpanOf(start, line.size());
}

void LineBuffer::CompactIfWasteful() {
    if (block_.size() <= 2 * textSize_ + kWasteAllowance) {
        return;
    }
    LineBuffer compact;
    compact.reserve(index_.size(), textSize_);
    for (const Span span : index_) {
        compact.push_back(ViewOf(span));
    }
    *this = std::move(compact);
}

}  // namespace tavoric
