#pragma once

#include "catalogue.h"
#include "linepicture.h"
#include "sheetdocument.h"
#include "worksheet.h"

#include <functional>
#include <string>

// Euclid's way for one equation in the catalogue's language, as lines ending
// in CR LF. The key prints it in small print when the choices ask for it.
using EuclidWriter = std::function<std::string(const SheetEquation &, const Catalogue &)>;

// The sheet as lines: each variant on its own pages (title, code, name line,
// task, numbered equations), then the key after a page break, each variant
// from a page of its own under the same code: a table of its items (number,
// equation, GCD, verdict, the transcript's particular solution and the
// general solution, the points), the word problems' unknowns, conditions and
// solutions, each solvable equation's picture when chosen, drawn in the
// given style, and Euclid's way when chosen and a writer is given.
SheetDocument WorksheetDocument(const Worksheet &sheet, const Catalogue &language,
                                const EuclidWriter &euclid = {},
                                PictureStyle pictures = PictureStyle::Inside);

// The sheet the choices fix, in their language, with Euclid's way where the
// choices ask for it and this build has it: the same document wherever it is
// printed. Expects valid choices with a code.
SheetDocument ChosenWorksheetDocument(const WorksheetChoices &choices,
                                      PictureStyle pictures = PictureStyle::Inside);

// An equation as the transcript writes it, in that language.
std::string SheetEquationText(const SheetEquation &equation, const Catalogue &language);
