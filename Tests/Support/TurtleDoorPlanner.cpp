#include "Support/TurtleDoorPlanner.h"

#include <array>
#include <deque>
#include <map>

namespace TestSupport {
namespace {

using Puzzle = MiniGameTurtleDoorPuzzle;
// The post each turtle stands on; on a post they lie biggest at the bottom.
using Board = std::array<int32_t, Puzzle::TURTLE_COUNT>;

Board BoardOf(const Puzzle& game)
{
    Board board {};
    for (int32_t post = 0; post < Puzzle::ZONE_COUNT; ++post) {
        for (int32_t slot = 0; slot < Puzzle::SLOT_COUNT; ++slot) {
            const int32_t turtle = game.GetSlot(post, slot);
            if (turtle >= 0 && turtle < Puzzle::TURTLE_COUNT)
                board[turtle] = post;
        }
    }
    return board;
}

// The turtle on top of the post, the smallest there; -1 on an empty post.
int32_t TopOf(const Board& board, int32_t post)
{
    for (int32_t turtle = Puzzle::Turtle_Small; turtle < Puzzle::TURTLE_COUNT; ++turtle)
        if (board[turtle] == post)
            return turtle;
    return -1;
}

bool AllOn(const Board& board, int32_t post)
{
    for (const int32_t standsOn : board)
        if (standsOn != post)
            return false;
    return true;
}

} // namespace

TurtleMove NextTurtleMove(const MiniGameTurtleDoorPuzzle& game, int32_t post)
{
    // Breadth first over the 27 boards, each remembering the move it began with.
    const Board start = BoardOf(game);
    std::map<Board, TurtleMove> firstMoves {{start, TurtleMove {}}};
    std::deque<Board> boards {start};
    while (!boards.empty()) {
        const Board board = boards.front();
        boards.pop_front();
        if (AllOn(board, post))
            return firstMoves[board];
        for (int32_t from = 0; from < Puzzle::ZONE_COUNT; ++from) {
            const int32_t turtle = TopOf(board, from);
            if (turtle < 0)
                continue;
            for (int32_t to = 0; to < Puzzle::ZONE_COUNT; ++to) {
                // A turtle rests only on a bigger one.
                const int32_t below = TopOf(board, to);
                if (to == from || (below >= 0 && below < turtle))
                    continue;
                Board next = board;
                next[turtle] = to;
                if (firstMoves.contains(next))
                    continue;
                firstMoves[next] = board == start ? TurtleMove {turtle, to} : firstMoves[board];
                boards.push_back(next);
            }
        }
    }
    return {};
}

} // namespace TestSupport
