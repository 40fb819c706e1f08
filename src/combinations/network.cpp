#include "network.h"

namespace Velmora {

namespace {

using Kind = NetworkNode::Kind;

constexpr NetworkNode part(int n)
{
    return {Kind::Part, n, {}, 0};
}
constexpr NetworkNode series(int a, int b, int c = -1, int d = -1)
{
    return {Kind::Series, 0, {a, b, c, d}, c < 0 ? 2 : d < 0 ? 3 : 4};
}
constexpr NetworkNode parallel(int a, int b, int c = -1, int d = -1)
{
    NetworkNode node = series(a, b, c, d);
    node.kind = Kind::Parallel;
    return node;
}

// Each shape's tree, in AllShapes' order: its root first, then its nodes.
constexpr std::array<NetworkNode, 8> Trees[] {
    {part(0)},
    {series(1, 2), part(0), part(1)},
    {parallel(1, 2), part(0), part(1)},
    {series(1, 2, 3), part(0), part(1), part(2)},
    {parallel(1, 2, 3), part(0), part(1), part(2)},
    {parallel(1, 4), series(2, 3), part(0), part(1), part(2)},
    {series(1, 4), parallel(2, 3), part(0), part(1), part(2)},
    {series(1, 2, 3, 4), part(0), part(1), part(2), part(3)},
    {parallel(1, 2, 3, 4), part(0), part(1), part(2), part(3)},
    {parallel(1, 2), series(3, 4), series(5, 6), part(0), part(1), part(2), part(3)},
    {series(1, 2), parallel(3, 4), parallel(5, 6), part(0), part(1), part(2), part(3)},
    {parallel(1, 5), series(2, 3, 4), part(0), part(1), part(2), part(3)},
    {series(1, 5), parallel(2, 3, 4), part(0), part(1), part(2), part(3)},
    {series(1, 6), parallel(2, 5), series(3, 4), part(0), part(1), part(2), part(3)},
    {parallel(1, 6), series(2, 5), parallel(3, 4), part(0), part(1), part(2), part(3)},
    {parallel(1, 4, 5), series(2, 3), part(0), part(1), part(2), part(3)},
    {series(1, 4, 5), parallel(2, 3), part(0), part(1), part(2), part(3)},
};
constexpr std::array<int, AllShapes.size()> NodeCounts {1, 3, 3, 4, 4, 5, 5, 5, 5, 7, 7, 6, 6, 7, 7, 6, 6};
static_assert(std::size(Trees) == AllShapes.size());

Exact valueOf(std::span<const NetworkNode> tree, int node, std::span<const Exact> parts)
{
    const NetworkNode &n = tree[std::size_t(node)];
    if (n.kind == Kind::Part)
        return parts[std::size_t(n.part)];
    Exact sum;
    for (int i = 0; i < n.childCount; ++i) {
        const Exact v = valueOf(tree, n.children[std::size_t(i)], parts);
        sum += n.kind == Kind::Series ? v : 1 / v;
    }
    return n.kind == Kind::Series ? sum : 1 / sum;
}

std::string textOf(std::span<const NetworkNode> tree, int node, std::span<const std::string> parts)
{
    const NetworkNode &n = tree[std::size_t(node)];
    if (n.kind == Kind::Part)
        return parts[std::size_t(n.part)];
    std::string text;
    for (int i = 0; i < n.childCount; ++i) {
        const int child = n.children[std::size_t(i)];
        // A group inside a group is always of the other kind: it needs its brackets.
        const bool group = tree[std::size_t(child)].kind != Kind::Part;
        if (i > 0)
            text += n.kind == Kind::Series ? " + " : " || ";
        text += group ? "(" + textOf(tree, child, parts) + ")" : textOf(tree, child, parts);
    }
    return text;
}

} // namespace

int partCount(Shape shape)
{
    const int s = int(shape);
    return s == 0 ? 1 : s <= 2 ? 2 : s <= 6 ? 3 : 4;
}

std::span<const NetworkNode> networkTree(Shape shape)
{
    const std::size_t s = std::size_t(shape);
    return std::span(Trees[s]).first(std::size_t(NodeCounts[s]));
}

Exact networkValue(Shape shape, std::span<const Exact> parts)
{
    Exact v = valueOf(networkTree(shape), 0, parts);
    v.canonicalize();
    return v;
}

std::string networkText(Shape shape, std::span<const std::string> parts)
{
    return textOf(networkTree(shape), 0, parts);
}

} // namespace Velmora
