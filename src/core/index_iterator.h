// SPDX-License-Identifier: GPL-3.0-or-later
// A random-access iterator over a list that hands out its elements by value through
// operator[] (views or small records), for lists that keep an index instead of the elements.
#pragma once

#include <compare>
#include <cstddef>
#include <iterator>
#include <utility>

namespace tavoric {

template <typename List>
class IndexIterator {
public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = decltype(std::declval<const List&>()[0]);
    using difference_type = std::ptrdiff_t;
    using reference = value_type;
    using pointer = void;

    IndexIterator() = default;
    IndexIterator(const List* list, std::size_t at) : list_(list), at_(at) {}

    value_type operator*() const { return (*list_)[at_]; }
    value_type operator[](difference_type n) const { return *(*this + n); }
    IndexIterator& operator++() { return *this += 1; }
    IndexIterator operator++(int) { return std::exchange(*this, *this + 1); }
    IndexIterator& operator--() { return *this -= 1; }
    IndexIterator operator--(int) { return std::exchange(*this, *this - 1); }
    IndexIterator& operator+=(difference_type n) {
        at_ = static_cast<std::size_t>(static_cast<difference_type>(at_) + n);
        return *this;
    }
    IndexIterator& operator-=(difference_type n) { return *this += -n; }
    friend IndexIterator operator+(IndexIterator it, difference_type n) { return it += n; }
    friend IndexIterator operator+(difference_type n, IndexIterator it) { return it += n; }
    friend IndexIterator operator-(IndexIterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const IndexIterator& a, const IndexIterator& b) {
        return static_cast<difference_type>(a.at_) - static_cast<difference_type>(b.at_);
    }
    friend bool operator==(const IndexIterator& a, const IndexIterator& b) {
        return a.at_ == b.at_;
    }
    friend auto operator<=>(const IndexIterator& a, const IndexIterator& b) {
        return a.at_ <=> b.at_;
    }

private:
    const List* list_ = nullptr;
    std::size_t at_ = 0;
};

}  // namespace tavoric
