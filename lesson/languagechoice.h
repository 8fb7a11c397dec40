#pragma once

#include "catalogue.h"

#include <span>
#include <string_view>

// Which catalogue speaks a language tag, and how the desktop and the page
// choose their language from the tags they are given. One rule for both, so
// that the same tag gives the same language wherever it is met.

// The code of `tag`'s language where it has a catalogue ("bg" for "BG-bg"),
// else empty.
std::string_view LanguageOfTag(std::string_view tag);

// The catalogue of `tag`'s language, or nullptr. Case does not matter, and
// what follows the language ("-BG", "_BG.UTF-8", "@latin") neither:
// "bg", "BG", "bg-BG", "bg_BG.UTF-8" and "bg@latin" are all Bulgarian.
const Catalogue *CatalogueOfTag(std::string_view tag);

// The desktop's language, as Linux programs choose theirs: the first entry of
// LANGUAGE (a colon list; C and POSIX skipped) that has a catalogue; English
// where it names languages but none with a catalogue; else the first of
// LC_ALL, LC_MESSAGES and LANG that is set. Bulgarian for C, POSIX or no
// locale at all; English for any language without a catalogue. LANGUAGE
// counts even under the C locale, so that LANGUAGE=en alone gives English.
const Catalogue &DesktopChoice(std::string_view language, std::string_view lcAll,
                               std::string_view lcMessages, std::string_view lang);

// The page's language: ?lang= in its address, so that a teacher can link to
// one; then the choice kept from an earlier visit; then the browser's
// languages in order, the first with a catalogue winning; else English.
// An empty text stands for one not given.
const Catalogue &PageChoice(std::string_view address, std::string_view stored,
                            std::span<const std::string_view> browserTags);
// The same, as the language's code: what the page's engine, which carries no
// catalogue whole, looks up.
std::string_view PageChoiceCode(std::string_view address, std::string_view stored,
                                std::span<const std::string_view> browserTags);

// The page's rule as data, for its first frame, before its engine has
// started: what ends a tag's language ("bg" of "bg_BG.UTF-8") and the
// language when nothing asked names one with a catalogue.
inline constexpr std::string_view TagLanguageEnd = "-_.@";
std::string_view PageFallbackCode();
