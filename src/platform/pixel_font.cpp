// SPDX-License-Identifier: MIT
#include "platform/pixel_font.h"

namespace {
void applyTo(QWidget *widget)
{
    const QVariant pixels = widget->property("pixelSize");
    if (pixels.isValid()) {
        QFont font = widget->font();
        font.setPixelSize(pixels.toInt());
        widget->setFont(font);
    }
}
} // namespace

void applyPixelSizes(QWidget *root)
{
    // Parents first, so that children without a size of their own inherit it.
    applyTo(root);
    const auto children = root->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children)
        applyPixelSizes(child);
}
