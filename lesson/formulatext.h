#pragma once

#include "expression.h"
#include "notation.h"

#include "value.h"

#include <string>
#include <string_view>

// The formula as the language's school writes it, in Unicode text. The rules,
// so that no caller needs to think of them:
// - a negative number carries the notation's minus (U+2212), never a hyphen;
// - a sum writes each term's sign as its operator: 2·91 − 5·35, −10 − 13t,
//   never + −; a product shown with a negative first number gives its sign to
//   the sum too (7 = −5·35 + 2·91 + …);
// - in a product a negative factor is bracketed, 35·(−10), (−2)·(−91), and so
//   is a sum or a quotient used as a factor, 2·(74 − 7·10), (B/d)·t;
// - juxtaposed factors drop a coefficient 1 and write −1 as a bare minus (t,
//   −t, −(b − c)), and take the multiplication sign only before a number or
//   an absolute value (5t, A(x₀ + pt), (Ap + Bq)t, t·5);
// - a quotient is tight, 2/5, −2/5, and brackets a denominator that is not a
//   single number, name or absolute value;
// - the relations, + and − between terms and ∈ stand between the notation's
//   spaces; ⇒ between wider ones.
std::string FormulaText(const Expression &formula, const Notation &notation);

// An integer alone, as the formulas write it: "−5".
std::string IntegerText(Wide n, const Notation &notation);

// A number as the working's reading gave it, which may be no integer or be
// very large ("−2,5E+20"): the working's digits in the user's decimal
// separator, with the notation's minus.
std::string ReadNumberText(const Value &value, std::string_view decimalSeparator,
                           const Notation &notation);
