#pragma once

#include <QIcon>
#include <QPixmap>

namespace teklifo {

// The small 16 × 16 button pictures, drawn by the program itself.
QPixmap undoGlyph();          // a dark blue arrow turning back to the left
QPixmap backArrowGlyph();     // a dark blue arrow curving back to the lower left
QPixmap crossedDocumentGlyph(); // a document crossed out by a red X

} // namespace teklifo
