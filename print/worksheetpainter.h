#pragma once

#include "sheetdocument.h"

class QPagedPaintDevice;
class QPainter;

// The paper of a worksheet, with the margins every medium keeps.
void SetWorksheetPage(QPagedPaintDevice &device, Paper paper);

// Sets the worksheet's lines on the device's pages, in Liberation Sans at the
// device's own resolution, starting a page at each page break and where a
// key entry would not fit whole. The painter is active on the device; the
// PDF, the print preview and the printer all go through here, so that each
// shows what the others do. Needs a QGuiApplication.
void PaintWorksheet(const SheetDocument &document, QPagedPaintDevice &device, QPainter &painter);
