// SPDX-License-Identifier: MIT
#include "platform/application.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

// Qt's own buttons and dialogs read Spanish once its catalogue is in.
TEST(QtTranslation, StandardButtonsAndTheFileDialogReadSpanish)
{
    ASSERT_TRUE(Platform::installQtTranslation());

    const std::pair<QMessageBox::StandardButton, const char *> buttons[] = {
        {QMessageBox::Ok, "Aceptar"}, {QMessageBox::Cancel, "Cancelar"}, {QMessageBox::Yes, "&Sí"},
        {QMessageBox::No, "&No"},     {QMessageBox::Save, "Guardar"},
    };
    QMessageBox box;
    for (const auto &[button, text] : buttons)
        EXPECT_EQ(box.addButton(button)->text(), QString::fromUtf8(text));

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_EQ(lookIn->text(), QStringLiteral("Ver en:"));
    const auto pushButtons = dialog.findChildren<QPushButton *>();
    EXPECT_TRUE(std::any_of(pushButtons.begin(), pushButtons.end(),
                            [](const QPushButton *b) { return b->text() == QStringLiteral("&Guardar"); }));
}
