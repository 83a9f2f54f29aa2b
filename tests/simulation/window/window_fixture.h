// SPDX-License-Identifier: MIT
// A simulation window shown and active offscreen, with the recording fakes
// of the seams installed: today is 02/06/2014 unless a test says otherwise.
#pragma once

#include "fakes.h"
#include "money.h"
#include "platform/keyboard.h"
#include "simulation/window/borrador.h"
#include "ui_borrador.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failures: gtest prints QString through this.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline TDateTime day(int d, int m, int y)
{
    return TDateTime::fromYmd(y, m, d);
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    void open()
    {
        Keyboard::installConvention();
        form = std::make_unique<TForm_borrador1>();
        ui = &form->controls();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Focus moves to w as Tab would move it (so the control left runs its exit).
    static void focus(QWidget *w) { w->setFocus(Qt::TabFocusReason); }

    // Selects the field's text and types over it, as a user would.
    void type(CurrencyEdit *edit, const QString &keys)
    {
        focus(edit);
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }

    [[nodiscard]] bool focusIsIn(const QWidget *w) const
    {
        const QWidget *f = QApplication::focusWidget();
        return f == w || (f && w->isAncestorOf(f));
    }

    // Switches sheets as a click on the tab does.
    void showSheet(int index) { ui->PageControl1->setCurrentIndex(index); }

    [[nodiscard]] QStringList messages() const { return platform.dialogs.texts(); }

    FakePlatform platform;
    std::unique_ptr<TForm_borrador1> form;
    Ui::TForm_borrador1 *ui = nullptr;
};
