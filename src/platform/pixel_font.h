// SPDX-License-Identifier: MIT
// Fonts given by character height in pixels at 96 dpi, as the windows are
// laid out; Qt's .ui format only knows point sizes. A window's fonts live in
// its .ui: the family (and bold, underline) in the widget's "font" and the
// character height in pixels in the dynamic property "pixelSize":
//   <property name="font"><font><family>Tahoma</family></font></property>
//   <property name="pixelSize" stdset="0"><number>11</number></property>
// and the window calls applyPixelSizes(this) right after setupUi(). Children
// without a size of their own take their parent's, as Qt's fonts do.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

// The Windows typefaces the windows and the draft name are absent on Linux;
// map them to metric-compatible or close free fonts (fonts-liberation), so
// that texts fit the places they were laid out for.
inline void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Century Gothic"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Garamond"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

void applyPixelSizes(QWidget *root);

// A pixel-sized font for what is drawn rather than laid out in a .ui (a
// chart's titles and axes).
inline QFont pixelFont(const QString &family, int pixels, bool bold = false, bool underline = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// Text colour through the palette: a style sheet would cut the widget off
// from its parent's font.
inline void setTextColour(QWidget *widget, const QColor &colour)
{
    // Active and inactive only: a disabled control keeps the greyed text.
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
        palette.setColor(group, QPalette::Text, colour);
    }
    widget->setPalette(palette);
}
