#pragma once

#include "catalogue.h"
#include "euclidlesson.h"

#include <string>
#include <string_view>

// Euclid's way for the three coefficient texts, read as the working reads
// them with the user's decimal separator, in the language's words and
// school notation.
EuclidLesson EuclidLessonFor(std::string_view a, std::string_view b, std::string_view c,
                             std::string_view decimalSeparator, const Catalogue &language,
                             EuclidLesson::Method method = EuclidLesson::Method::Substitution);

// The same as CR LF text (EuclidLessonText), as the command line prints it
// after the working.
std::string EuclidAccount(std::string_view a, std::string_view b, std::string_view c,
                          std::string_view decimalSeparator, const Catalogue &language,
                          EuclidLesson::Method method = EuclidLesson::Method::Substitution);
