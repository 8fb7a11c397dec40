#include "panelcontrols.h"

std::vector<PanelControl> PanelControls(const Catalogue &catalogue)
{
    const std::string_view title = catalogue.euclid.title;
    const PracticeTexts::Controls &c = catalogue.practice.controls;
    return {
        {"EuclidLink", title, ""},
        {"EuclidLater", catalogue.messages.pageEuclidLater, ""},
        {"EuclidTitle", title, ""},
        {"EuclidMethodCaption", catalogue.euclid.method, ""},
        {"EuclidBySubstitutionCaption", catalogue.euclid.bySubstitution, ""},
        {"EuclidAsTableCaption", catalogue.euclid.asTable, ""},
        {"EuclidPace", "", catalogue.euclid.paceGroup},
        {"EuclidPrevious", catalogue.euclid.pacePrevious, catalogue.euclid.pacePreviousName},
        {"EuclidNext", catalogue.euclid.paceNext, catalogue.euclid.paceNextName},
        {"EuclidAll", catalogue.euclid.paceAll, catalogue.euclid.paceAllName},
        {"Practice", "", c.heading.accessibleName},
        {"PracticeTitle", c.heading.text, ""},
        {"AnswerX0Caption", c.x0.text, ""},
        {"AnswerX0", "", c.x0.accessibleName},
        {"AnswerY0Caption", c.y0.text, ""},
        {"AnswerY0", "", c.y0.accessibleName},
        {"AnswerPCaption", c.stepX.text, ""},
        {"AnswerP", "", c.stepX.accessibleName},
        {"AnswerQCaption", c.stepY.text, ""},
        {"AnswerQ", "", c.stepY.accessibleName},
        {"AnswerListCaption", c.list.text, ""},
        {"AnswerList", "", c.list.accessibleName},
        {"AnswerNoneCaption", c.noSolution.text, ""},
        {"AnswerNone", "", c.noSolution.accessibleName},
        {"AnswerCheck", c.check.text, c.check.accessibleName},
        {"AnswerHint", c.hint.text, c.hint.accessibleName},
        {"Feedback", "", c.feedback.accessibleName},
        {"Hints", "", c.hints.accessibleName},
        {"TallyCaption", c.tally.text, ""},
        {"TallyClear", c.clearTally.text, c.clearTally.accessibleName},
        {"PictureTitle", catalogue.picture.heading, ""},
        {"WorksheetLink", catalogue.messages.pageToWorksheet, ""},
        {"SolverLink", catalogue.messages.pageToSolver, ""},
        {"BoundsTitle", catalogue.bounds.title, ""},
        {"BoundsNaturalCaption", catalogue.bounds.choiceNatural, ""},
        {"BoundsNonNegativeCaption", catalogue.bounds.choiceNonNegative, ""},
        {"BoundXMinCaption", catalogue.bounds.xFrom, ""},
        {"BoundXMin", "", catalogue.bounds.xFromName},
        {"BoundXMaxCaption", catalogue.bounds.xTo, ""},
        {"BoundXMax", "", catalogue.bounds.xToName},
        {"BoundYMinCaption", catalogue.bounds.yFrom, ""},
        {"BoundYMin", "", catalogue.bounds.yFromName},
        {"BoundYMaxCaption", catalogue.bounds.yTo, ""},
        {"BoundYMax", "", catalogue.bounds.yToName},
    };
}

std::vector<std::pair<std::string_view, std::string_view>> PanelTips(const Catalogue &catalogue)
{
    return {{"EuclidPrevious", catalogue.euclid.pacePreviousTip},
            {"EuclidNext", catalogue.euclid.paceNextTip},
            {"EuclidAll", catalogue.euclid.paceAllTip}};
}

PanelControl PanelControlOf(const Catalogue &catalogue, std::string_view id)
{
    for (const PanelControl &control : PanelControls(catalogue))
        if (control.id == id)
            return control;
    return {id, "", ""};
}
