#include "sheeteuclid.h"

#if __has_include("euclid.h")
#include "euclid.h"

EuclidWriter SheetEuclidWriter()
{
    return [](const SheetEquation &e, const Catalogue &language) {
        return EuclidAccount(std::to_string(e.a), std::to_string(e.b), std::to_string(e.c), ".",
                             language);
    };
}
#else
EuclidWriter SheetEuclidWriter()
{
    return {};
}
#endif
