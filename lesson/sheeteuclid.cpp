#include "sheeteuclid.h"

#if __has_include("euclid.h")
#include "euclid.h"

EuclidWriter SheetEuclidWriter(EuclidLesson::Method method)
{
    return [method](const SheetEquation &e, const Catalogue &language) {
        return EuclidAccount(std::to_string(e.a), std::to_string(e.b), std::to_string(e.c), ".",
                             language, method);
    };
}
#else
EuclidWriter SheetEuclidWriter(EuclidLesson::Method)
{
    return {};
}
#endif
