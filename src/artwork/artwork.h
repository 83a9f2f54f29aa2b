// SPDX-License-Identifier: MIT
// The program's own pictures, drawn with QPainter at run time: the
// municipality's coat of arms, the draft's logo and the button glyphs.
// Nothing is loaded from files, so every picture scales cleanly.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QSize>

#include <array>

class QPainter;

namespace Artwork {

// The coat of arms of the municipality, fitted into rect with its proportions kept.
void paintCoatOfArms(QPainter &painter, const QRectF &rect);
// The coat of arms on a transparent background.
[[nodiscard]] QPixmap coatOfArms(QSize size);
// The programs' icon (windows, menu entries): the coat of arms at each of
// iconSizes, the sizes the desktop's icon theme holds.
inline constexpr std::array iconSizes{16, 22, 24, 32, 48, 64, 128, 256};
[[nodiscard]] QIcon applicationIcon();
// The draft's logo: coat of arms above the council's name, the province in
// parentheses and the tax service "Zumeria"; 585 x 342 pixels, white background.
[[nodiscard]] QImage draftLogo();

enum class Glyph {
    Calculator, // "&Calcular", 64 x 64
    Exit,       // "&Salir"
    Back,       // "Volver"
    Tick,       // print buttons: a green tick
    Save,       // "Guardar"
    Insert,     // "Insertar Registro"
    Delete,     // "Borrar Registro", "Desmarcar Inhábil"
    Edit,       // "Modificar datos"
};
// The glyph at the given size; for Exit the icon also carries its disabled form.
[[nodiscard]] QIcon icon(Glyph glyph, int size = 16);

} // namespace Artwork
