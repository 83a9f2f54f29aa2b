// SPDX-License-Identifier: MIT
#include "app/fmensaje.h"
#include "app/form_inicio.h"
#include "app/form_version.h"
#include "app/links.h"
#include "simulator/borrador.h"
#include "widgets/currencyedit.h"
#include "app/startup.h"
#include "db/datamodule.h"
#include "fakes.h"
#include "simulation/case_file.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

template <typename T> T *child(QWidget *parent, const char *name)
{
    auto *w = parent->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

bool cannotResize(QWidget *w, QSize size)
{
    return w->minimumSize() == size && w->maximumSize() == size &&
           !w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
}

class StartupTest : public ::testing::Test {
protected:
    FakePlatform platform;
    StartupObjects objects;
};

TEST_F(StartupTest, CreatesDataModuleStartWindowAndHiddenLoadingWindow)
{
    ASSERT_NE(DataModule1, nullptr);
    ASSERT_NE(Form_inicio, nullptr);
    ASSERT_NE(FMensaje, nullptr);
    EXPECT_FALSE(FMensaje->isVisible());
    EXPECT_EQ(Form_inicio->windowTitle(), QStringLiteral("ZUMERA-Simulador I.I.V.T.N.U. "));
    EXPECT_TRUE(cannotResize(Form_inicio, QSize(498, 346)));
    EXPECT_TRUE(Form_inicio->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(StartupTest, StartWindowControlsSitWhereTheyBelong)
{
    struct Case {
        const char *name;
        QRect geometry;
        const char16_t *text;
    };
    const Case cases[] = {
        {"Image1", {37, 23, 238, 172}, nullptr},      {"Label1", {66, 197, 181, 16}, u"Ayuntamiento de Sarvelina"},
        {"Label2", {48, 213, 219, 13}, u"Zumeria"},   {"Label4", {97, 227, 130, 17}, u"www.sarvelina.example"},
        {"Bevel2", {32, 247, 239, 28}, nullptr},      {"Label3", {96, 250, 108, 23}, u"I.I.V.T.N.U."},
        {"Bevel1", {296, 24, 161, 249}, nullptr},     {"BitBtn1", {304, 37, 145, 100}, u"&Calcular"},
        {"BitBtn3", {304, 160, 145, 100}, u"&Salir"},
    };
    for (const auto &c : cases) {
        auto *w = child<QWidget>(Form_inicio, c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
        if (!c.text)
            continue;
        const QString expected = QString::fromUtf16(c.text);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            EXPECT_EQ(label->text(), expected) << c.name;
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            EXPECT_EQ(button->text(), expected) << c.name;
        }
    }
    EXPECT_EQ(child<QLabel>(Form_inicio, "Label1")->font().pixelSize(), 13);
    EXPECT_TRUE(child<QLabel>(Form_inicio, "Label1")->font().bold());
    EXPECT_EQ(child<QLabel>(Form_inicio, "Label3")->font().pixelSize(), 19);
    EXPECT_TRUE(child<QLabel>(Form_inicio, "Label4")->font().underline());
    EXPECT_EQ(child<QPushButton>(Form_inicio, "BitBtn1")->iconSize(), QSize(64, 64));

    // The menu bar holds one entry that runs the command itself.
    const auto actions = Form_inicio->menuBar()->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions.front()->text(), QStringLiteral("Acerca de..."));
    EXPECT_EQ(actions.front()->menu(), nullptr);

    // Tab order: Calcular, then Salir.
    EXPECT_EQ(child<QWidget>(Form_inicio, "BitBtn1")->nextInFocusChain(), child<QWidget>(Form_inicio, "BitBtn3"));
}

TEST_F(StartupTest, NoControlOffersTheAdministrationCommand)
{
    for (auto *button : Form_inicio->findChildren<QPushButton *>())
        EXPECT_NE(button->objectName(), QStringLiteral("BitBtn9"));
    for (auto *action : Form_inicio->findChildren<QAction *>())
        EXPECT_FALSE(action->text().contains(QStringLiteral("Config"), Qt::CaseInsensitive));
}

// The administration command still works when called, as this edition never
// does: without an open connection it says why and opens nothing.
TEST_F(StartupTest, AdministrationCommandWithoutAServerReportsAndOpensNothing)
{
    Form_inicio->BitBtn9Click();
    ASSERT_EQ(platform.dialogs.shown.size(), 1u);
    EXPECT_EQ(platform.dialogs.last().kind, RecordingDialogs::Kind::Error);
    EXPECT_FALSE(platform.dialogs.last().text.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(StartupTest, WebAddressLabelAsksTheShellAndIgnoresItsAnswer)
{
    platform.shell.succeed = false;
    auto *label = child<QLabel>(Form_inicio, "Label4");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(platform.shell.urls, QStringList{Links::WebAddress});
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

// Runs fn once the next modal window is up, then closes that window.
void whenModalShown(std::function<void(QWidget *)> fn)
{
    QTimer::singleShot(0, [fn] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        fn(modal);
        modal->close();
    });
}

TEST_F(StartupTest, CalcularOpensAFreshSimulationWindowEachTime)
{
    // The first opening gets a cadastral value; the second must not see it.
    QStringList cadastralTexts;
    for (int i = 0; i < 2; ++i) {
        QPointer<QWidget> seen;
        whenModalShown([&](QWidget *modal) {
            seen = modal;
            EXPECT_EQ(modal->windowTitle(), QStringLiteral("Simulador I.I.V.T.N.U."));
            EXPECT_TRUE(cannotResize(modal, QSize(754, 638)));
            auto *cadastral = child<CurrencyEdit>(modal, "CurrencyEdit_VALORCATASTRAL");
            cadastralTexts << cadastral->text();
            cadastral->setValue(Currency::fromInt(100000));
        });
        Form_inicio->BitBtn1Click();
        EXPECT_TRUE(seen.isNull()) << "the window is freed on return";
        EXPECT_EQ(Form_borrador1, nullptr);
    }
    EXPECT_EQ(cadastralTexts, QStringList({QString(), QString()}));
}

TEST_F(StartupTest, AFileGivenToTheProgramOpensTheSimulationWindowOnItsCase)
{
    QTemporaryDir folder;
    SimulationInputs inputs;
    inputs.cadastralValue = Currency::fromInt(123456);
    inputs.acquisitionDate = TDateTime::fromYmd(2004, 3, 15);
    inputs.accrualDate = TDateTime::fromYmd(2014, 3, 15);
    inputs.filingDate = TDateTime::fromYmd(2014, 3, 20);
    const QString file = folder.filePath(QStringLiteral("caso.plusvalia"));
    ASSERT_TRUE(writeCaseFile(file, caseOf(inputs)));
    QString seen;
    // The case is put in once the window is up: look one turn later.
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            seen = child<CurrencyEdit>(modal, "CurrencyEdit_VALORCATASTRAL")->value().toMoneyText();
            modal->close();
        });
    });
    Form_inicio->openSimulation(file);
    EXPECT_EQ(seen, QStringLiteral("123.456,00 €"));
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(StartupTest, AboutWindowShowsItsTextsAndMailLink)
{
    QStringList texts;
    QString title;
    bool fixed = false;
    whenModalShown([&](QWidget *modal) {
        title = modal->windowTitle();
        fixed = cannotResize(modal, QSize(483, 206)) && !modal->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
        for (const char *name : {"Label5", "Label3", "Label6", "Label7"})
            texts << child<QLabel>(modal, name)->text();
        QTest::mouseClick(child<QLabel>(modal, "Label7"), Qt::LeftButton);
    });
    Form_inicio->Acercade1Click();
    EXPECT_EQ(title, QStringLiteral("Acerca de..."));
    EXPECT_TRUE(fixed);
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[0], QStringLiteral("Concejalía de Economía y Hacienda\nZumeria (ZUMERA)\n"
                                       "Simulador I.I.V.T.N.U. (Versión descargable)\nVersión: 1.0.0"));
    EXPECT_TRUE(texts[1].endsWith(QStringLiteral("para el Ayuntamiento de Sarvelina (Ordelia)")));
    EXPECT_EQ(texts[2], QStringLiteral("Esta herramienta no constituye una liquidación oficial,\n"
                                       "sólo es una simulación en base a los dados introducidos."));
    EXPECT_EQ(texts[3], QStringLiteral("Contacto y sugerencias"));
    EXPECT_EQ(
        platform.shell.mailLinks,
        QStringList{QStringLiteral("mailto:zumeria@sarvelina.example?Subject=Contacto y sugerencias para la "
                                   "aplicación Corvesa&Attach=&quot;c:\\Mail Attachments\\attachment.txt&quot;")});
    EXPECT_EQ(Form_version, nullptr);
}

TEST_F(StartupTest, LoadingWindowLayoutAndClosingFreesIt)
{
    EXPECT_EQ(FMensaje->size(), QSize(187, 62));
    EXPECT_TRUE(FMensaje->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(child<QLabel>(FMensaje, "Label1")->text(), QStringLiteral("Cargando Aplicación ..."));
    EXPECT_EQ(child<QProgressBar>(FMensaje, "ProgressBar1")->geometry(), QRect(16, 34, 150, 17));
    FMensaje->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FMensaje, nullptr);
}

TEST(Startup, FreesItsObjectsInReverseOrderWhetherOrNotTheLoadingWindowClosedFirst)
{
    FakePlatform platform;
    for (const bool loadingClosed : {false, true}) {
        QStringList freed;
        {
            const StartupObjects objects;
            for (QObject *object : std::initializer_list<QObject *>{DataModule1, Form_inicio, FMensaje}) {
                const QString name = QString::fromLatin1(object->metaObject()->className());
                QObject::connect(object, &QObject::destroyed, [&freed, name] { freed << name; });
            }
            if (loadingClosed) {
                FMensaje->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
        EXPECT_EQ(freed, (QStringList{u"TFMensaje"_qs, u"TForm_inicio"_qs, u"TDataModule1"_qs})) << loadingClosed;
        EXPECT_EQ(DataModule1, nullptr);
        EXPECT_EQ(Form_inicio, nullptr);
        EXPECT_EQ(FMensaje, nullptr);
    }
}

// A dialog with one control of each kind and two buttons, which Enter
// presses only when it is on them: no window has a default button.
class KeyboardTest : public StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        auto *layout = new QVBoxLayout(&dialog);
        for (QWidget *w :
             std::initializer_list<QWidget *>{edit, combo, editableCombo, radio, list, memo, check, date, next})
            layout->addWidget(w);
        layout->addWidget(okButton);
        layout->addWidget(plainButton);
        combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
        editableCombo->setEditable(true);
        list->addItems({QStringLiteral("x"), QStringLiteral("y")});
        QObject::connect(okButton, &QPushButton::clicked, okButton, [this] { ++pressed; });
        dialog.show();
        dialog.activateWindow();
        QApplication::setActiveWindow(&dialog);
    }
    void TearDown() override
    {
        dialog.hide();
        StartupTest::TearDown();
    }

    QWidget *afterEnter(QWidget *start)
    {
        start->setFocus();
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        return QApplication::focusWidget();
    }

    QDialog dialog;
    QLineEdit *edit = new QLineEdit;
    QComboBox *combo = new QComboBox;
    QComboBox *editableCombo = new QComboBox;
    QRadioButton *radio = new QRadioButton(QStringLiteral("r"));
    QListWidget *list = new QListWidget;
    QPlainTextEdit *memo = new QPlainTextEdit;
    QCheckBox *check = new QCheckBox(QStringLiteral("c"));
    QDateEdit *date = new QDateEdit;
    QLineEdit *next = new QLineEdit;
    QPushButton *okButton = new QPushButton(QStringLiteral("OK"));
    QPushButton *plainButton = new QPushButton(QStringLiteral("Otro"));
    int pressed = 0;
};

TEST_F(KeyboardTest, EnterMovesToTheNextFieldOnlyWhereItShould)
{
    struct Case {
        QWidget *start;
        QWidget *next; // where the focus goes, or nullptr when Enter keeps its meaning
        const char *what;
    };
    const Case cases[] = {
        {edit, combo, "single-line edit"},
        {combo, editableCombo, "closed combo box"},
        {editableCombo, radio, "editable combo box"},
        {radio, list, "radio button"},
        {list, memo, "list box"},
        {memo, nullptr, "multi-line memo"},
        {check, nullptr, "check box"},
        {date, nullptr, "date picker"},
        {okButton, nullptr, "button"},
    };
    for (const auto &c : cases) {
        const int pressedBefore = pressed;
        QWidget *focus = afterEnter(c.start);
        EXPECT_EQ(focus, c.next ? c.next : c.start) << c.what;
        EXPECT_EQ(pressed, pressedBefore + (c.start == okButton ? 1 : 0))
            << c.what << ": only Enter on the button itself presses it";
    }
    EXPECT_FALSE(plainButton->autoDefault()) << "no button of a window is a default button by itself";
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("\n")) << "Enter keeps its meaning in a memo";
}

TEST_F(KeyboardTest, DownArrowOpensAComboBoxListAndStillReachesIt)
{
    combo->setCurrentIndex(0);
    combo->setFocus();
    QApplication::processEvents();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_TRUE(combo->view()->isVisible());
    // With the list open, Enter is not turned into Tab: it chooses the item.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_NE(QApplication::focusWidget(), editableCombo) << "Enter with the list open is not a Tab";
}
} // namespace
