#pragma once
// The window's two type faces: "굴림" for labels and inputs, and the fixed-pitch "굴림체" for the
// report, whose columns are padded counting a Hangul syllable as two Latin characters. Where
// these are not installed, a Korean font stands in; the report's stand-in keeps that 2:1 width.

#include <QFont>

#include "editions/window_layout.h"

namespace brakefell {

QFont WindowFont(double points = 9, bool bold = false);
QFont FixedPitchFont(double points = 9, bool bold = false);
QFont FontFor(const FontSpec& entry);

}  // namespace brakefell
