#pragma once

#include <array>

// The kinds of word problem a worksheet sets, each counted as ax + by = c
// with x and y natural numbers: how many of the first thing and of the second.
enum class WordProblemKind { Coins, Notes, Legs, Tickets, Boxes, Stamps, Transport };

inline constexpr std::array<WordProblemKind, 7> WordProblemKinds = {
    WordProblemKind::Coins,     WordProblemKind::Notes, WordProblemKind::Legs,
    WordProblemKind::Tickets,   WordProblemKind::Boxes, WordProblemKind::Stamps,
    WordProblemKind::Transport,
};
