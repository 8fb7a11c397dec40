#pragma once

#include "sheetdocument.h"

class QIODevice;

// Writes the worksheet as PDF onto the device: real text in Liberation Sans,
// embedded, so it can be searched and copied, Cyrillic included; on the
// document's paper; each page break a new page; the title, the creator and
// the language (in the XMP metadata, as Qt gives no other way to it) set.
// False when the device cannot be written. Needs a QGuiApplication.
bool WriteWorksheetPdf(const SheetDocument &document, QIODevice &device);
