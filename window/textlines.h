#pragma once

// The height a plain text field needs to show so many lines of its font
// whole, with its frame and margins.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QPlainTextEdit;
QT_END_NAMESPACE

int LinesHeight(const QPlainTextEdit &field, int lines);
