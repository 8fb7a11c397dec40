#pragma once

#include "worksheetdocument.h"

// Euclid's way for the key, from the lesson's account of it where this build
// has one; an empty writer where it has none, and the key goes without.
EuclidWriter SheetEuclidWriter(EuclidLesson::Method method = EuclidLesson::Method::Substitution);
