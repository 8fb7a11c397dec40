#pragma once

#include <string>

// The window as designed, as data: controls, geometry, colours, tab order,
// ranges, and for every language its captions, accessible names,
// introduction, the page's cannot-load message and every phrase of its
// catalogue: the transcript's, Euclid's way's and the command line's.
// The page's tests read it instead of the C++ tables.
std::string designJson();

// Every language's texts for the page's script to switch between: the
// captions and accessible names by element, the introduction, the title,
// description and messages, in order of the languages' codes; and the rule
// that chooses among them, as data.
std::string pageTextsJson();
