#pragma once

#include "catalogue.h"
#include "sheetdocument.h"
#include "worksheet.h"

#include <functional>
#include <string>

// Euclid's way for one equation in the catalogue's language, as lines ending
// in CR LF. The key prints it in small print when the choices ask for it.
using EuclidWriter = std::function<std::string(const SheetEquation &, const Catalogue &)>;

// The sheet as lines: each variant on its own pages (title, code, name line,
// task, numbered equations), then the key after a page break, one block per
// variant under the same code: each equation again, its GCD, the verdict,
// and for a solvable one the transcript's particular solution and the general
// solution; Euclid's way under it when chosen and a writer is given.
SheetDocument WorksheetDocument(const Worksheet &sheet, const Catalogue &language,
                                const EuclidWriter &euclid = {});

// The sheet the choices fix, in their language, with Euclid's way where the
// choices ask for it and this build has it: the same document wherever it is
// printed. Expects valid choices with a code.
SheetDocument ChosenWorksheetDocument(const WorksheetChoices &choices);

// An equation as the transcript writes it, in that language.
std::string SheetEquationText(const SheetEquation &equation, const Catalogue &language);
