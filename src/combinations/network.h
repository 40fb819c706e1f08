#pragma once

#include "exact.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace Velmora {

// Every series-parallel network of one to four parts, up to the order of
// its parts: a, b, c, d stand for the parts in the order a network lists
// them. "+" joins in series and "||" in parallel; || binds as tightly as +,
// so the brackets say which comes first.
enum class Shape : std::uint8_t {
    One, // a
    Series2, // a + b
    Parallel2, // a || b
    Series3, // a + b + c
    Parallel3, // a || b || c
    SeriesThenParallel3, // (a + b) || c
    ParallelThenSeries3, // (a || b) + c
    Series4, // a + b + c + d
    Parallel4, // a || b || c || d
    SeriesPairsInParallel4, // (a + b) || (c + d)
    ParallelPairsInSeries4, // (a || b) + (c || d)
    SeriesThreeParallelOne4, // (a + b + c) || d
    ParallelThreeSeriesOne4, // (a || b || c) + d
    SeriesParallelSeries4, // ((a + b) || c) + d
    ParallelSeriesParallel4, // ((a || b) + c) || d
    SeriesPairParallelTwo4, // (a + b) || c || d
    ParallelPairSeriesTwo4, // (a || b) + c + d
};

inline constexpr std::array AllShapes {Shape::One, Shape::Series2, Shape::Parallel2, Shape::Series3, Shape::Parallel3,
    Shape::SeriesThenParallel3, Shape::ParallelThenSeries3, Shape::Series4, Shape::Parallel4,
    Shape::SeriesPairsInParallel4, Shape::ParallelPairsInSeries4, Shape::SeriesThreeParallelOne4,
    Shape::ParallelThreeSeriesOne4, Shape::SeriesParallelSeries4, Shape::ParallelSeriesParallel4,
    Shape::SeriesPairParallelTwo4, Shape::ParallelPairSeriesTwo4};

// How many parts the shape joins.
int partCount(Shape shape);

// The network's value from its parts' values, in the shape's order.
Exact networkValue(Shape shape, std::span<const Exact> parts);

// The network written out with each part's text: "2200 + 6800",
// "(1000 + 1000) || 3300". The brackets are only those the reading needs.
std::string networkText(Shape shape, std::span<const std::string> parts);

// How the parts are joined, for drawing: a part, or two or more branches in
// series or in parallel, each a part or a group of its own.
struct NetworkNode {
    enum class Kind : std::uint8_t { Part, Series, Parallel } kind = Kind::Part;
    int part = 0; // with Part: which one, from 0
    std::array<int, 4> children {}; // with Series and Parallel: indices into the tree
    int childCount = 0;
};
// The shape as a tree, its root first.
std::span<const NetworkNode> networkTree(Shape shape);

} // namespace Velmora
