#pragma once

#include <span>

// The models a demo catalogue is built from: per category a list of real-looking base models
// and a few variants of each, so that every category has more distinct models than a default
// demo needs.
namespace teklifo::katalog::demo {

struct Base {
    const char16_t* text;
    double price; // US dollars
};

struct Variant {
    const char16_t* suffix; // empty: the base model alone
    double factor;          // on the base price
};

struct CategoryData {
    std::span<const Base> bases;
    std::span<const Variant> variants;
};

// By category position 1 to 19.
const CategoryData& categoryData(int position);

} // namespace teklifo::katalog::demo
