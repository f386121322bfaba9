#pragma once

#include <cstdint>
#include <vector>

// A yes/no value per cell of a grid, with everything outside the grid "no".
class TCellMask {
public:
    TCellMask(int cols, int rows) : cols_(cols), rows_(rows), bits_(cols * rows, 0) {}

    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    bool At(int col, int row) const {
        return col >= 0 && col < cols_ && row >= 0 && row < rows_ && bits_[col * rows_ + row];
    }
    void Set(int col, int row, bool on) {
        if (col >= 0 && col < cols_ && row >= 0 && row < rows_)
            bits_[col * rows_ + row] = on ? 1 : 0;
    }

private:
    int cols_;
    int rows_;
    std::vector<uint8_t> bits_;
};

struct TCellPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TCellPoint&) const = default;
};
using TCellLoop = std::vector<TCellPoint>;

// The outlines of the mask's regions along the cell edges, in cell corner
// coordinates, with a corner only where the outline turns. Cells that touch
// only at a corner belong to separate outlines, so every loop is simple.
// Outer outlines run clockwise on the screen (positive area), holes the other
// way round.
std::vector<TCellLoop> TraceLoops(const TCellMask& mask);
// Twice the signed area of a loop: positive for an outer outline.
int64_t LoopArea2(const TCellLoop& loop);
// Turns on every cell that is off and cannot reach the grid's border through
// cells that are off (diagonal steps allowed): afterwards no outline has a hole.
// Returns the number of cells filled.
int FillHoles(TCellMask& mask);
