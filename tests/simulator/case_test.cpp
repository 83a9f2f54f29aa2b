// SPDX-License-Identifier: MIT
// Cases in the window: saved, opened as if typed, refused without loss, and
// the same bytes as the calculator's; and the late-filing chart's button.
#include "window_fixture.h"

#include "calc_run.h"
#include "chart/form_grafico.h"

#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <vector>

namespace {
QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(ninguno)");
}

// One simulation, entered in the window as a person would and given to the
// calculator as options.
struct Entry {
    const char *name;
    std::function<void(Controls &)> type;
    QStringList options;
};

class CaseWindow : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // The recent list goes to the test's folder.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        WindowTest::SetUp();
    }

    QString path(const char *name) const { return folder.filePath(QString::fromUtf8(name)); }

    // What a person reads after opening: the input sheet's own values and
    // states, and the twelve lines of both columns once the pass ran.
    QStringList reading()
    {
        QStringList seen = {ui->CurrencyEdit_valorreducido->text(),
                            ui->CurrencyEdit_Valorfinal->text(),
                            ui->Label20->text(),
                            ui->Label7->text(),
                            ui->Edit_Bonificacion->text(),
                            ui->CurrencyEdit_edad->isEnabled() ? u"edad"_qs : u"-"_qs,
                            ui->DT_VENCIMIENTOUSUFRUCTO->isEnabled() ? u"fin"_qs : u"-"_qs};
        showSheet(1);
        for (QLabel *label : {ui->Label_BI, ui->Label_CT, ui->Label_BONIFICACION, ui->Label_CL, ui->Label_RUNICO,
                              ui->Label_IRUNICO, ui->Label_RUNICOREDUCIDO, ui->Label_ID, ui->Label_RE, ui->Label_IRE,
                              ui->Label_TOTAL, ui->Label_TOTAL2, ui->Label_BI2, ui->Label_CT2, ui->Label_advertencia})
            seen << (label->isVisible() ? label->text() : u"(oculta)"_qs);
        showSheet(0);
        return seen;
    }

    QTemporaryDir folder;
};

void enterDates(Controls &ui, TDateTime acquisition, TDateTime accrual, TDateTime filing)
{
    ui.DT_ADQUISICION->setFocus(Qt::TabFocusReason);
    ui.DT_ADQUISICION->setValue(acquisition);
    ui.DT_DEVENGO->setFocus(Qt::TabFocusReason);
    ui.DT_DEVENGO->setValue(accrual);
    ui.DT_PRESENTACION->setFocus(Qt::TabFocusReason);
    ui.DT_PRESENTACION->setValue(filing);
    ui.CheckBox3->setFocus(Qt::TabFocusReason);
}

void typeInto(CurrencyEdit *edit, const char *keys)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(keys));
}

const QStringList kWorkedOptions = {u"--valor-catastral"_qs, u"100000"_qs,    u"--adquisicion"_qs,
                                    u"15/03/2004"_qs,        u"--devengo"_qs, u"15/03/2014"_qs};

const std::vector<Entry> kEntries = {
    {"plena propiedad con bonificación, fuera de plazo",
     [](Controls &ui) {
         typeInto(ui.CurrencyEdit_VALORCATASTRAL, "100000");
         enterDates(ui, day(15, 3, 2004), day(15, 3, 2014), day(20, 9, 2014));
         QTest::mouseClick(ui.CheckBox3, Qt::LeftButton);
     },
     kWorkedOptions + QStringList{u"--presentacion"_qs, u"20/09/2014"_qs, u"--bonificacion"_qs}},
    {"nuda propiedad y usufructo vitalicio",
     [](Controls &ui) {
         typeInto(ui.CurrencyEdit_VALORCATASTRAL, "100000");
         enterDates(ui, day(15, 3, 2004), day(15, 3, 2014), day(20, 3, 2014));
         ui.RadioGroup2->button(1)->click();
         typeInto(ui.CurrencyEdit_edad, "45");
         ui.CheckBox3->setFocus(Qt::TabFocusReason);
     },
     kWorkedOptions +
         QStringList{u"--presentacion"_qs, u"20/03/2014"_qs, u"--nuda-propiedad"_qs, u"--edad"_qs, u"45"_qs}},
    {"nuda propiedad y usufructo temporal, mortis-causa con prórroga",
     [](Controls &ui) {
         typeInto(ui.CurrencyEdit_VALORCATASTRAL, "250000,5");
         ui.RadioGroup1->button(1)->click();
         QTest::mouseClick(ui.CheckBox4, Qt::LeftButton);
         ui.RadioGroup2->button(1)->click();
         ui.RadioGroup3->button(1)->click();
         enterDates(ui, day(2, 1, 1990), day(10, 2, 2013), day(30, 12, 2014));
         ui.DT_VENCIMIENTOUSUFRUCTO->setFocus(Qt::TabFocusReason);
         ui.DT_VENCIMIENTOUSUFRUCTO->setValue(day(15, 3, 2024));
         ui.CheckBox3->setFocus(Qt::TabFocusReason);
     },
     {u"--valor-catastral"_qs, u"250000,50"_qs, u"--mortis-causa"_qs, u"--prorroga"_qs, u"--nuda-propiedad"_qs,
      u"--fin-usufructo"_qs, u"15/03/2024"_qs, u"--adquisicion"_qs, u"02/01/1990"_qs, u"--devengo"_qs, u"10/02/2013"_qs,
      u"--presentacion"_qs, u"30/12/2014"_qs}},
    {"sin reducción, 12,5 %, sin ingreso y con requerimiento",
     [](Controls &ui) {
         typeInto(ui.CurrencyEdit_VALORCATASTRAL, "80000");
         typeInto(ui.CurrencyEdit_COEFICIENTE, "12,5");
         QTest::mouseClick(ui.CheckBox1, Qt::LeftButton);
         enterDates(ui, day(1, 6, 2000), day(1, 6, 2012), day(2, 6, 2014));
         ui.CheckBox7->setChecked(false);
         ui.CheckBox8->setChecked(true);
     },
     {u"--valor-catastral"_qs, u"80000"_qs, u"--porcentaje"_qs, u"12,5"_qs, u"--sin-reduccion"_qs, u"--adquisicion"_qs,
      u"01/06/2000"_qs, u"--devengo"_qs, u"01/06/2012"_qs, u"--presentacion"_qs, u"02/06/2014"_qs, u"--sin-ingreso"_qs,
      u"--requerimiento"_qs}},
};

TEST_F(CaseWindow, ACaseMakesTheRoundTripThroughTheCalculatorByteForByte)
{
    for (const Entry &entry : kEntries) {
        SCOPED_TRACE(entry.name);
        open();
        entry.type(*ui);
        ASSERT_TRUE(messages().isEmpty()) << messages().join(u'|').toStdString();
        const QStringList typed = reading();
        const QString saved = path("ventana.plusvalia");
        ASSERT_TRUE(form->saveCase(saved));

        // The calculator writes the same bytes from its options, and again from the case.
        const QString fromOptions = path("opciones.plusvalia");
        const QString again = path("otra-vez.plusvalia");
        CalcRun r = run(entry.options + QStringList{u"--guardar-caso"_qs, fromOptions});
        ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
        EXPECT_EQ(QString::fromUtf8(contents(fromOptions)), QString::fromUtf8(contents(saved)));
        r = run({u"--caso"_qs, saved, u"--guardar-caso"_qs, again});
        ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
        EXPECT_EQ(QString::fromUtf8(contents(again)), QString::fromUtf8(contents(saved)));

        // A fresh window opens the calculator's case and reads the same.
        open();
        ASSERT_TRUE(form->openCase(fromOptions)) << messages().join(u'|').toStdString();
        EXPECT_TRUE(messages().isEmpty()) << messages().join(u'|').toStdString();
        EXPECT_EQ(reading(), typed);
        EXPECT_EQ(form->currentCase(), caseFromJson(contents(saved)).value());
        platform.dialogs.clear();
    }
}

TEST_F(CaseWindow, ARefusedFileIsToldAndTheOpenSimulationStaysAsItWas)
{
    kEntries[1].type(*ui);
    const QStringList before = reading();
    const SimulationCase kept = form->currentCase();
    const QString good = path("bueno.plusvalia");
    ASSERT_TRUE(form->saveCase(good));
    const QByteArray json = contents(good);

    struct Refused {
        QByteArray content;
        QString reason;
    };
    const std::vector<Refused> table = {
        {"hola", u"El fichero no es una simulación guardada por este programa."_qs},
        {QByteArray(json).replace("\"2014-03-20\"", "\"2015-01-02\""),
         u"Fecha de Presentación de la Autoliquidación: La fecha debe estar comprendida entre el 01/01/2014 y el "
         "31/12/2014."_qs},
        {QByteArray(json).replace("\"2004-03-15\"", "\"2014-03-16\""),
         u"La fecha de devengo no puede ser inferior a la de adquisición"_qs},
        {QByteArray(json).replace("\"bonificacion\": null", "\"bonificacion\": \"Art. 99\""),
         u"La bonificación «Art. 99» no figura en la lista de este programa."_qs},
    };
    for (const Refused &refused : table) {
        const QString name = path("malo.plusvalia");
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(refused.content);
        file.close();
        platform.dialogs.clear();
        EXPECT_FALSE(form->openCase(name));
        ASSERT_EQ(messages().size(), 1);
        EXPECT_EQ(platform.dialogs.last().title, u"Error"_qs);
        EXPECT_TRUE(
            messages().front().startsWith(u"No se puede abrir la simulación «"_qs + name + u"».\n"_qs + refused.reason))
            << messages().front().toStdString();
        EXPECT_EQ(form->currentCase(), kept);
    }
    platform.dialogs.clear();
    EXPECT_EQ(reading(), before);
}

TEST_F(CaseWindow, KeysDialogsTheRecentListAndADropOpenAndSave)
{
    kEntries[0].type(*ui);
    const SimulationCase typed = form->currentCase();
    const QString saved = path("teclado.plusvalia");

    // Ctrl+S asks where (the dialog is scripted) and keeps the focus where it was.
    ui->CurrencyEdit_COEFICIENTE->setFocus();
    platform.dialogs.fileNames = {saved};
    QTest::keyClick(ui->CurrencyEdit_COEFICIENTE, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(platform.dialogs.shown.size(), 1u);
    EXPECT_EQ(platform.dialogs.last().kind, RecordingDialogs::Kind::SaveFile);
    EXPECT_EQ(platform.dialogs.last().text, u"Guardar simulación"_qs);
    EXPECT_EQ(caseFromJson(contents(saved)).value(), typed);
    EXPECT_TRUE(focusIsIn(ui->CurrencyEdit_COEFICIENTE));

    // Cancelling the open dialog changes nothing; Ctrl+O opens.
    form->Button_LIMPIARClick();
    const SimulationCase cleared = form->currentCase();
    QTest::keyClick(ui->CurrencyEdit_VALORCATASTRAL, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(platform.dialogs.last().kind, RecordingDialogs::Kind::OpenFile);
    EXPECT_EQ(form->currentCase(), cleared);
    platform.dialogs.fileNames = {saved};
    QTest::keyClick(ui->CurrencyEdit_VALORCATASTRAL, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(form->currentCase(), typed);

    // The recent list offers it, newest first.
    form->Button_LIMPIARClick();
    auto *recent = form->findChild<QPushButton *>(u"Button_RECIENTES"_qs);
    ASSERT_NE(recent, nullptr);
    QMenu *menu = recent->menu();
    ASSERT_NE(menu, nullptr);
    Q_EMIT menu->aboutToShow();
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(menu->actions().front()->text(), u"teclado.plusvalia"_qs);
    menu->actions().front()->trigger();
    EXPECT_EQ(form->currentCase(), typed);

    // A case dropped on a field opens; the field takes nothing from it.
    form->Button_LIMPIARClick();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(saved)});
    const QPoint at = ui->CurrencyEdit_COEFICIENTE->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ui->CurrencyEdit_COEFICIENTE, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ui->CurrencyEdit_COEFICIENTE, &drop);
    EXPECT_EQ(form->currentCase(), typed);
}

TEST_F(CaseWindow, TheChartOpensFromTheResultsSheetOnly)
{
    kEntries[0].type(*ui);
    auto *button = form->findChild<QPushButton *>(u"Button_GRAFICO"_qs);
    ASSERT_NE(button, nullptr);
    QString title;
    std::size_t cursor = 0;
    const auto closeTheChart = [&] {
        if (auto *chart = qobject_cast<TForm_grafico *>(QApplication::activeModalWidget())) {
            title = chart->windowTitle();
            cursor = chart->cursorDay();
            QTest::keyClick(chart, Qt::Key_Escape);
        }
    };
    QTimer::singleShot(0, form.get(), closeTheChart);
    QTest::keyClick(ui->CurrencyEdit_VALORCATASTRAL, Qt::Key_G, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(title.isEmpty()); // not from the input sheet

    showSheet(1);
    QTimer::singleShot(0, form.get(), closeTheChart);
    QTest::keyClick(ui->CheckBox7, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(title, u"Coste de presentar fuera de plazo"_qs);
    // The cursor starts on the chosen filing date: 20/09/2014, 189 days after the accrual.
    EXPECT_EQ(cursor, 189u);
}
} // namespace
