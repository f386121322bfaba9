#include "cellcontour.h"

#include <array>
#include <cstddef>

namespace {

// Directions in screen coordinates (y grows downwards), each next one a
// right turn from the one before.
constexpr std::array<int, 4> StepX{1, 0, -1, 0};
constexpr std::array<int, 4> StepY{0, 1, 0, -1};

struct TEdge {
    TCellPoint From;
    int Dir = 0;
};

} // namespace

std::vector<TCellLoop> TraceLoops(const TCellMask& mask) {
    const int cols = mask.Cols(), rows = mask.Rows();
    const int stride = cols + 1;
    // Every boundary edge runs clockwise around its cell, so the region lies
    // on its right; a corner has at most two edges leaving it.
    std::vector<TEdge> edges;
    std::vector<std::array<int, 2>> leaving(static_cast<std::size_t>(stride) * (rows + 1),
                                            {-1, -1});
    auto addEdge = [&](int x, int y, int dir) {
        auto& slot = leaving[static_cast<std::size_t>(y) * stride + x];
        slot[slot[0] < 0 ? 0 : 1] = static_cast<int>(edges.size());
        edges.push_back({{x, y}, dir});
    };
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            if (!mask.At(c, r))
                continue;
            if (!mask.At(c, r - 1))
                addEdge(c, r, 0);
            if (!mask.At(c + 1, r))
                addEdge(c + 1, r, 1);
            if (!mask.At(c, r + 1))
                addEdge(c + 1, r + 1, 2);
            if (!mask.At(c - 1, r))
                addEdge(c, r + 1, 3);
        }

    // At a corner where two cells touch diagonally, taking the right turn
    // keeps the two cells' outlines apart.
    auto nextEdge = [&](int edge) {
        const TEdge& e = edges[edge];
        const int x = e.From.X + StepX[e.Dir], y = e.From.Y + StepY[e.Dir];
        const auto& slot = leaving[static_cast<std::size_t>(y) * stride + x];
        for (int turn : {1, 0, 3})
            for (int candidate : slot)
                if (candidate >= 0 && edges[candidate].Dir == (e.Dir + turn) % 4)
                    return candidate;
        return -1;
    };

    std::vector<uint8_t> used(edges.size(), 0);
    std::vector<TCellLoop> loops;
    for (std::size_t start = 0; start < edges.size(); ++start) {
        if (used[start])
            continue;
        TCellLoop loop;
        int edge = static_cast<int>(start);
        while (edge >= 0 && !used[edge]) {
            used[edge] = 1;
            const int next = nextEdge(edge);
            if (next >= 0 && edges[next].Dir != edges[edge].Dir)
                loop.push_back(edges[next].From);
            edge = next;
        }
        loops.push_back(std::move(loop));
    }
    return loops;
}

int64_t LoopArea2(const TCellLoop& loop) {
    int64_t sum = 0;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const TCellPoint& a = loop[i];
        const TCellPoint& b = loop[(i + 1) % loop.size()];
        sum += static_cast<int64_t>(a.X) * b.Y - static_cast<int64_t>(b.X) * a.Y;
    }
    return sum;
}

int FillHoles(TCellMask& mask) {
    const int cols = mask.Cols(), rows = mask.Rows();
    TCellMask outside(cols, rows);
    std::vector<TCellPoint> todo;
    auto reach = [&](int c, int r) {
        if (c < 0 || c >= cols || r < 0 || r >= rows || mask.At(c, r) || outside.At(c, r))
            return;
        outside.Set(c, r, true);
        todo.push_back({c, r});
    };
    for (int c = 0; c < cols; ++c) {
        reach(c, 0);
        reach(c, rows - 1);
    }
    for (int r = 0; r < rows; ++r) {
        reach(0, r);
        reach(cols - 1, r);
    }
    while (!todo.empty()) {
        const TCellPoint p = todo.back();
        todo.pop_back();
        for (int dc = -1; dc <= 1; ++dc)
            for (int dr = -1; dr <= 1; ++dr)
                reach(p.X + dc, p.Y + dr);
    }
    int filled = 0;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            if (!mask.At(c, r) && !outside.At(c, r)) {
                mask.Set(c, r, true);
                ++filled;
            }
    return filled;
}
