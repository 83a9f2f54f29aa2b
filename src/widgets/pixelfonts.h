// SPDX-License-Identifier: MIT
// Qt's .ui format knows fonts only in points, while the windows are laid out
// in pixels. A .ui declares a widget's family (and weight) in its font and
// the character height in pixels in the dynamic property "pixelSize";
// applyPixelSizes() turns those into pixel-sized fonts after setupUi().
#pragma once

class QWidget;

void applyPixelSizes(QWidget *root);
