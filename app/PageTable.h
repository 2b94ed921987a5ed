// The window's pages, in the order of the page control, which is also the toolbar's: one table
// that the page control, the toolbar and the tests all read.
#pragma once

#include <array>

#include "app/platform/Platform.h"

class QWidget;

namespace kalkora {

class Page;

enum class PageId {
  NaturalNumbers,
  Quadratic,
  LinearSystems,
  Progressions,
  Graph,
  Polynomial,
  Combinatorics,
  Triangle,
  Circle,
  Converter,
};

struct PageEntry {
  PageId id;
  const char16_t* sheet;    // the page's name
  const char16_t* caption;  // its tab's caption
  const char16_t* button;   // its toolbar button
  const char16_t* icon;     // the button's picture
  const char16_t* hint;     // the button's tool tip
  bool gapBefore;           // the toolbar's separator stands before its button
  Page* (*make)(Platform& platform);
};

inline constexpr int kPageCount = 10;

const std::array<PageEntry, kPageCount>& PageTable();

// The page's index in the page control.
constexpr int PageIndex(PageId id) {
  return static_cast<int>(id);
}

}  // namespace kalkora
