// SPDX-License-Identifier: MIT
// A simulation window shown and active offscreen, with the recording fakes
// of the seams installed: today is 02/06/2014 unless a test says otherwise.
#pragma once

#include "fakes.h"
#include "money.h"
#include "platform/keyboard.h"
#include "simulator/borrador.h"
#include "widgets/currencyedit.h"
#include "widgets/datepicker.h"
#include "widgets/radiogroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
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

// The window's controls, found by their object names.
class Controls {
public:
    explicit Controls(const QWidget &window) : m_window(window) {}

private:
    template <class T> T *find(const char *name) const
    {
        T *control = m_window.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    const QWidget &m_window;

public:
#define PLUSVALIA_CONTROL(Type, name) Type *const name = find<Type>(#name)
    PLUSVALIA_CONTROL(QTabWidget, PageControl1);
    PLUSVALIA_CONTROL(CurrencyEdit, CurrencyEdit_COEFICIENTE);
    PLUSVALIA_CONTROL(CurrencyEdit, CurrencyEdit_VALORCATASTRAL);
    PLUSVALIA_CONTROL(CurrencyEdit, CurrencyEdit_Valorfinal);
    PLUSVALIA_CONTROL(CurrencyEdit, CurrencyEdit_edad);
    PLUSVALIA_CONTROL(CurrencyEdit, CurrencyEdit_valorreducido);
    PLUSVALIA_CONTROL(DatePicker, DT_ADQUISICION);
    PLUSVALIA_CONTROL(DatePicker, DT_DEVENGO);
    PLUSVALIA_CONTROL(DatePicker, DT_PRESENTACION);
    PLUSVALIA_CONTROL(DatePicker, DT_VENCIMIENTOUSUFRUCTO);
    PLUSVALIA_CONTROL(QCheckBox, CheckBox1);
    PLUSVALIA_CONTROL(QCheckBox, CheckBox3);
    PLUSVALIA_CONTROL(QCheckBox, CheckBox4);
    PLUSVALIA_CONTROL(QCheckBox, CheckBox7);
    PLUSVALIA_CONTROL(QCheckBox, CheckBox8);
    PLUSVALIA_CONTROL(QComboBox, ComboBox_bonificacion);
    PLUSVALIA_CONTROL(QLabel, Label10);
    PLUSVALIA_CONTROL(QLabel, Label11);
    PLUSVALIA_CONTROL(QLabel, Label18);
    PLUSVALIA_CONTROL(QLabel, Label2);
    PLUSVALIA_CONTROL(QLabel, Label20);
    PLUSVALIA_CONTROL(QLabel, Label27);
    PLUSVALIA_CONTROL(QLabel, Label28);
    PLUSVALIA_CONTROL(QLabel, Label29);
    PLUSVALIA_CONTROL(QLabel, Label3);
    PLUSVALIA_CONTROL(QLabel, Label4);
    PLUSVALIA_CONTROL(QLabel, Label53);
    PLUSVALIA_CONTROL(QLabel, Label54);
    PLUSVALIA_CONTROL(QLabel, Label7);
    PLUSVALIA_CONTROL(QLabel, Label88);
    PLUSVALIA_CONTROL(QLabel, Label89);
    PLUSVALIA_CONTROL(QLabel, Label_BI);
    PLUSVALIA_CONTROL(QLabel, Label_BI2);
    PLUSVALIA_CONTROL(QLabel, Label_BONIFICACION);
    PLUSVALIA_CONTROL(QLabel, Label_BONIFICACION2);
    PLUSVALIA_CONTROL(QLabel, Label_CL);
    PLUSVALIA_CONTROL(QLabel, Label_CL2);
    PLUSVALIA_CONTROL(QLabel, Label_CT);
    PLUSVALIA_CONTROL(QLabel, Label_CT2);
    PLUSVALIA_CONTROL(QLabel, Label_ID);
    PLUSVALIA_CONTROL(QLabel, Label_IRE);
    PLUSVALIA_CONTROL(QLabel, Label_IRUNICO);
    PLUSVALIA_CONTROL(QLabel, Label_RE);
    PLUSVALIA_CONTROL(QLabel, Label_RUNICO);
    PLUSVALIA_CONTROL(QLabel, Label_RUNICOREDUCIDO);
    PLUSVALIA_CONTROL(QLabel, Label_TG);
    PLUSVALIA_CONTROL(QLabel, Label_TG2);
    PLUSVALIA_CONTROL(QLabel, Label_TOTAL);
    PLUSVALIA_CONTROL(QLabel, Label_TOTAL2);
    PLUSVALIA_CONTROL(QLabel, Label_advertencia);
    PLUSVALIA_CONTROL(QLabel, Label_porcentaje);
    PLUSVALIA_CONTROL(QLineEdit, Edit_Bonificacion);
    PLUSVALIA_CONTROL(QPushButton, BitBtn2);
    PLUSVALIA_CONTROL(QPushButton, BitBtn4);
    PLUSVALIA_CONTROL(QPushButton, BitBtn_NUDAPROPIEDAD);
    PLUSVALIA_CONTROL(QPushButton, BitBtn_PLENAPROPIEDAD);
    PLUSVALIA_CONTROL(QPushButton, BitBtn_USUFRUCTO);
    PLUSVALIA_CONTROL(QPushButton, Button_LIMPIAR);
    PLUSVALIA_CONTROL(RadioGroup, RadioGroup1);
    PLUSVALIA_CONTROL(RadioGroup, RadioGroup2);
    PLUSVALIA_CONTROL(RadioGroup, RadioGroup3);
#undef PLUSVALIA_CONTROL
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    void open()
    {
        Keyboard::installConvention();
        form = std::make_unique<TForm_borrador1>();
        ui = std::make_unique<Controls>(*form);
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
    std::unique_ptr<Controls> ui;
};
