#include "island/cellcontour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A mask from rows of text, "#" on.
TCellMask MaskOf(const std::vector<std::string>& rows) {
    TCellMask mask(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            mask.Set(static_cast<int>(c), static_cast<int>(r), rows[r][c] == '#');
    return mask;
}

int Outer(const std::vector<TCellLoop>& loops) {
    return static_cast<int>(std::count_if(loops.begin(), loops.end(),
                                          [](const TCellLoop& l) { return LoopArea2(l) > 0; }));
}

} // namespace

TEST(CellContour, LoopsFollowCellEdgesAndCountRegionsAndHoles) {
    struct TCase {
        std::vector<std::string> Rows;
        int Outer, Holes, Area2, Corners;
    };
    const std::vector<TCase> cases{
        {{"....", ".#..", "...."}, 1, 0, 2, 4},
        {{"....", ".##.", ".##.", "...."}, 1, 0, 8, 4},
        // An L has six corners.
        {{"#..", "#..", "##."}, 1, 0, 8, 6},
        // Cells meeting only at a corner stay two separate outlines.
        {{"#.", ".#"}, 2, 0, 4, 8},
        {{".#", "#."}, 2, 0, 4, 8},
        // A ring has an outer outline and a hole running the other way.
        {{"###", "#.#", "###"}, 1, 1, 16, 8},
        {{"....", "...."}, 0, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        const std::vector<TCellLoop> loops = TraceLoops(MaskOf(c.Rows));
        int64_t area = 0;
        size_t corners = 0;
        for (const TCellLoop& l : loops) {
            area += LoopArea2(l);
            corners += l.size();
        }
        EXPECT_EQ(Outer(loops), c.Outer) << c.Rows[0];
        EXPECT_EQ(static_cast<int>(loops.size()) - Outer(loops), c.Holes) << c.Rows[0];
        EXPECT_EQ(area, c.Area2) << c.Rows[0];
        EXPECT_EQ(corners, static_cast<size_t>(c.Corners)) << c.Rows[0];
    }
}

TEST(CellContour, FillHolesClosesOnlyWhatTheOutsideCannotReach) {
    struct TCase {
        std::vector<std::string> Rows;
        int Filled;
    };
    const std::vector<TCase> cases{
        {{".....", ".###.", ".#.#.", ".###.", "....."}, 1},
        {{"......", ".####.", ".#..#.", ".####.", "......"}, 2},
        // A gap at a corner lets the outside in diagonally.
        {{".....", ".##..", ".#.#.", ".###.", "....."}, 0},
        // Cells on the grid's border are reachable from outside.
        {{"#.#", "###"}, 0},
    };
    for (const TCase& c : cases) {
        TCellMask mask = MaskOf(c.Rows);
        EXPECT_EQ(FillHoles(mask), c.Filled) << c.Rows[1];
        for (const TCellLoop& l : TraceLoops(mask))
            EXPECT_GT(LoopArea2(l), 0) << "a hole is left in " << c.Rows[1];
    }
}
