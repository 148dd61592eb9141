// SPDX-License-Identifier: GPL-3.0-or-later
// The C++20 algorithms the core uses that Debian's emscripten library lacks, forced into the web
// build of the core only, so its sources stay plain C++20 and the desktop build never sees this.
#pragma once

#include <algorithm>
#include <compare>
#include <functional>
#include <iterator>
#include <utility>

namespace std {

template <class I1, class I2, class Cmp>
constexpr auto lexicographical_compare_three_way(I1 first1, I1 last1, I2 first2, I2 last2, Cmp comp)
    -> decltype(comp(*first1, *first2)) {
  for (; first1 != last1 && first2 != last2; ++first1, ++first2) {
    if (auto order = comp(*first1, *first2); order != 0) {
      return order;
    }
  }
  return first1 != last1 ? strong_ordering::greater
                         : (first2 != last2 ? strong_ordering::less : strong_ordering::equal);
}

namespace ranges {

struct compat_identity {
  template <class T>
  constexpr T&& operator()(T&& value) const noexcept {
    return std::forward<T>(value);
  }
};

template <class R, class T>
constexpr auto find(R&& r, const T& value) {
  return std::find(std::begin(r), std::end(r), value);
}
template <class R, class P>
constexpr auto find_if(R&& r, P pred) {
  return std::find_if(std::begin(r), std::end(r), pred);
}
template <class R, class T>
constexpr auto count(R&& r, const T& value) {
  return std::count(std::begin(r), std::end(r), value);
}
template <class R, class P>
constexpr auto count_if(R&& r, P pred) {
  return std::count_if(std::begin(r), std::end(r), pred);
}
template <class R, class P>
constexpr bool all_of(R&& r, P pred) {
  return std::all_of(std::begin(r), std::end(r), pred);
}
template <class R, class P>
constexpr bool any_of(R&& r, P pred) {
  return std::any_of(std::begin(r), std::end(r), pred);
}
template <class R, class P>
constexpr bool none_of(R&& r, P pred) {
  return std::none_of(std::begin(r), std::end(r), pred);
}
template <class R1, class R2, class P = std::equal_to<>>
constexpr bool equal(R1&& a, R2&& b, P pred = {}) {
  return std::equal(std::begin(a), std::end(a), std::begin(b), std::end(b), pred);
}
template <class R, class P, class T>
constexpr void replace_if(R&& r, P pred, const T& value) {
  std::replace_if(std::begin(r), std::end(r), pred, value);
}
template <class R>
constexpr auto max_element(R&& r) {
  return std::max_element(std::begin(r), std::end(r));
}
template <class R>
constexpr auto adjacent_find(R&& r) {
  return std::adjacent_find(std::begin(r), std::end(r));
}
template <class R>
constexpr void reverse(R&& r) {
  std::reverse(std::begin(r), std::end(r));
}
template <class Cmp, class Proj>
constexpr auto compat_projected(Cmp& comp, Proj& proj) {
  return [&](const auto& a, const auto& b) {
    return std::invoke(comp, std::invoke(proj, a), std::invoke(proj, b));
  };
}
template <class R, class Cmp = std::less<>, class Proj = compat_identity>
constexpr void sort(R&& r, Cmp comp = {}, Proj proj = {}) {
  std::sort(std::begin(r), std::end(r), compat_projected(comp, proj));
}
template <class R, class Cmp = std::less<>, class Proj = compat_identity>
void stable_sort(R&& r, Cmp comp = {}, Proj proj = {}) {
  std::stable_sort(std::begin(r), std::end(r), compat_projected(comp, proj));
}

}  // namespace ranges
}  // namespace std
