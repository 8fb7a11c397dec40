#include "textlines.h"

#include <QPlainTextEdit>
#include <QTextDocument>

int LinesHeight(const QPlainTextEdit &field, int lines)
{
    // The plain text layout sets its lines at the font's line spacing.
    const QMargins margins = field.contentsMargins();
    return lines * field.fontMetrics().lineSpacing() +
           2 * static_cast<int>(field.document()->documentMargin()) + margins.top() +
           margins.bottom() + 2 * field.frameWidth();
}
