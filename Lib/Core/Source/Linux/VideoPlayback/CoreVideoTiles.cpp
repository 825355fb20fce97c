#include "VideoPlayback/CoreVideo.h"

uint32_t CoreNextPow2(uint32_t n)
{
    if (n < 3)
        return n;
    for (uint32_t power = 4; power <= 512; power *= 2) {
        if (n <= power)
            return power;
    }
    return 1024;
}

uint32_t CoreVideoTileLayout::ColumnWidth(uint32_t column) const
{
    return column + 1 == m_uColumns ? m_uLastColumnWidth : CoreVideo::TILE_SIZE;
}

uint32_t CoreVideoTileLayout::RowHeight(uint32_t row) const
{
    return row + 1 == m_uRows ? m_uLastRowHeight : CoreVideo::TILE_SIZE;
}

CoreVideoTileLayout CoreVideo::MakeTileLayout(uint32_t width, uint32_t height)
{
    CoreVideoTileLayout layout;
    layout.m_uColumns = width / TILE_SIZE;
    layout.m_uLastColumnWidth = TILE_SIZE;
    if (width % TILE_SIZE != 0) {
        ++layout.m_uColumns;
        layout.m_uLastColumnWidth = CoreNextPow2(width % TILE_SIZE);
    }
    layout.m_uRows = height / TILE_SIZE;
    layout.m_uLastRowHeight = TILE_SIZE;
    if (height % TILE_SIZE != 0) {
        ++layout.m_uRows;
        layout.m_uLastRowHeight = CoreNextPow2(height % TILE_SIZE);
    }
    return layout;
}
