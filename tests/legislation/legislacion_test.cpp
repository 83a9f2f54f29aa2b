// SPDX-License-Identifier: MIT
#include "legislation/legislacion.h"

#include "fakes.h"
#include "legislation/legislation_texts.h"
#include "platform/keyboard.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QRadioButton *radio(QWidget &form, int number)
{
    return form.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(number));
}

QPlainTextEdit *memo(QWidget &form)
{
    return form.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
}

// Numbers of the checked radio buttons, in order.
std::vector<int> checkedButtons(QWidget &form)
{
    std::vector<int> checked;
    for (int n = 1; n <= 9; ++n)
        if (radio(form, n)->isChecked())
            checked.push_back(n);
    return checked;
}

// A click where a user aims: on the button's indicator.
void clickRadio(QWidget &form, int number)
{
    QRadioButton *button = radio(form, number);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
}

class LegislationWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    FakePlatform platform;
    TForm_legislacion form;
};

TEST_F(LegislationWindow, OpensOnArticle104)
{
    EXPECT_EQ(checkedButtons(form), std::vector<int>{1});
    EXPECT_EQ(memo(form)->toPlainText(), Legislation::text(1));
    EXPECT_TRUE(memo(form)->toPlainText().contains(QStringLiteral("Artículo 104.")));
}

TEST_F(LegislationWindow, EachRadioButtonShowsItsTextAndUnchecksTheOthers)
{
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        // Start from another button so that the click has something to uncheck.
        const int other = n == 9 ? 1 : n + 1;
        clickRadio(form, other);
        ASSERT_EQ(checkedButtons(form), std::vector<int>{other});

        clickRadio(form, n);
        EXPECT_EQ(checkedButtons(form), std::vector<int>{n});
        EXPECT_EQ(memo(form)->toPlainText(), Legislation::text(n));
    }
}

TEST_F(LegislationWindow, HandlersCalledDirectlyCheckTheirButtonAlone)
{
    using Handler = void (TForm_legislacion::*)();
    const std::vector<Handler> handlers = {
        &TForm_legislacion::RadioButton1Click, &TForm_legislacion::RadioButton2Click,
        &TForm_legislacion::RadioButton3Click, &TForm_legislacion::RadioButton4Click,
        &TForm_legislacion::RadioButton5Click, &TForm_legislacion::RadioButton6Click,
        &TForm_legislacion::RadioButton7Click, &TForm_legislacion::RadioButton8Click,
        &TForm_legislacion::RadioButton9Click,
    };
    for (int n = 9; n >= 1; --n) {
        SCOPED_TRACE(n);
        (form.*handlers[std::size_t(n - 1)])();
        EXPECT_EQ(checkedButtons(form), std::vector<int>{n});
        EXPECT_EQ(memo(form)->toPlainText(), Legislation::text(n));
    }
}

TEST_F(LegislationWindow, ChoosingTheSameButtonAgainKeepsItsText)
{
    clickRadio(form, 4);
    clickRadio(form, 4);
    EXPECT_EQ(checkedButtons(form), std::vector<int>{4});
    EXPECT_EQ(memo(form)->toPlainText(), Legislation::text(4));
}

TEST_F(LegislationWindow, ArrowKeysMoveTheChoiceAndItsText)
{
    radio(form, 1)->setFocus();
    QTest::keyClick(radio(form, 1), Qt::Key_Down);
    EXPECT_EQ(checkedButtons(form), std::vector<int>{2});
    EXPECT_EQ(memo(form)->toPlainText(), Legislation::text(2));
}

TEST_F(LegislationWindow, TextCannotBeEditedButCanBeSelected)
{
    QPlainTextEdit *text = memo(form);
    EXPECT_TRUE(text->isReadOnly());
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("xyz"));
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text->toPlainText(), Legislation::text(1));

    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(text->textCursor().selectedText().size(), Legislation::text(1).size());
}

TEST_F(LegislationWindow, TextAreaWrapsScrollsAndIsNoTabStop)
{
    QPlainTextEdit *text = memo(form);
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(text->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(text->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::cyan));

    clickRadio(form, 4); // the longest text does not fit the area
    EXPECT_GT(text->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
}

TEST(LegislationWindowBeforeShow, TextAreaStartsEmpty)
{
    TForm_legislacion form;
    EXPECT_TRUE(memo(form)->toPlainText().isEmpty());
    EXPECT_TRUE(checkedButtons(form).empty());
}

TEST_F(LegislationWindow, LinkAsksTheShellForTheOrdinanceAndStaysOpen)
{
    QLabel *link = form.findChild<QLabel *>(QStringLiteral("Label1"));
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(platform.shell.urls, QStringList{kOrdinanceAddress});
    EXPECT_TRUE(form.isVisible());

    platform.shell.succeed = false; // no browser: nothing is reported
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(platform.shell.urls.size(), 2);
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(memo(form)->toPlainText(), Legislation::text(1));
}

TEST_F(LegislationWindow, RightButtonOnTheLinkOpensNothing)
{
    QTest::mouseClick(form.findChild<QLabel *>(QStringLiteral("Label1")), Qt::RightButton);
    EXPECT_TRUE(platform.shell.urls.isEmpty());
}

TEST(OrdinanceAddress, IsAPdfUnderTheReservedExampleDomain)
{
    const QUrl url(kOrdinanceAddress, QUrl::StrictMode);
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), QStringLiteral("https"));
    EXPECT_TRUE(url.host().endsWith(QStringLiteral(".example")));
    EXPECT_TRUE(url.path().endsWith(QStringLiteral(".pdf")));
}

TEST_F(LegislationWindow, VolverClosesTheWindow)
{
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(LegislationWindow, EnterClosesOnlyFromVolver)
{
    Keyboard::installConvention(); // as the program runs it
    radio(form, 1)->setFocus();
    QTest::keyClick(radio(form, 1), Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    memo(form)->setFocus();
    QTest::keyClick(memo(form), Qt::Key_Enter);
    EXPECT_TRUE(form.isVisible());

    auto *volver = form.findChild<QPushButton *>(QStringLiteral("BitBtn1"));
    volver->setFocus();
    QTest::keyClick(volver, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(LegislationWindow, CannotBeResizedOrMaximised)
{
    EXPECT_EQ(form.minimumSize(), QSize(740, 555));
    EXPECT_EQ(form.maximumSize(), QSize(740, 555));
    form.resize(900, 700);
    EXPECT_EQ(form.size(), QSize(740, 555));
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Legislación aplicable."));
}

struct ControlCase {
    const char *name;
    QRect geometry;
    const char *caption;
};

TEST_F(LegislationWindow, ControlsSitWhereTheyWereLaidOutWithTheirCaptions)
{
    const std::vector<ControlCase> controls = {
        {"RadioButton1", {24, 32, 393, 17}, "Naturaleza y hecho imponible. Supuestos de no sujeción."},
        {"RadioButton2", {24, 56, 113, 17}, "Exenciones."},
        {"RadioButton3", {24, 80, 145, 17}, "Sujetos pasivos."},
        {"RadioButton5", {24, 104, 297, 17}, "Tipo de gravamen. Cuota íntegra y cuota líquida."},
        {"RadioButton9", {24, 128, 225, 17}, "Bonificaciones Municipales"},
        {"RadioButton4", {448, 32, 177, 17}, "Base imponible."},
        {"RadioButton6", {448, 56, 113, 17}, "Devengo."},
        {"RadioButton7", {448, 80, 257, 17}, "Gestión tributaria del impuesto."},
        {"RadioButton8", {448, 104, 257, 17}, "Cálculo Usufructo y Nuda propiedad."},
        {"Label1", {448, 128, 198, 14}, "Ver texto completo de la ordenanza"},
        {"BitBtn1", {616, 24, 91, 25}, "Volver"},
        {"Memo1", {16, 160, 697, 345}, nullptr},
    };
    for (const auto &c : controls) {
        SCOPED_TRACE(c.name);
        auto *widget = form.findChild<QWidget *>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.geometry);
        if (!c.caption)
            continue;
        const QString caption = QString::fromUtf8(c.caption);
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            EXPECT_EQ(button->text(), caption);
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            EXPECT_EQ(label->text(), caption);
        }
    }
}

TEST_F(LegislationWindow, FontsLinkLookAndVolverPicture)
{
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(radio(form, 1)->font().pixelSize(), 12);
    EXPECT_EQ(radio(form, 2)->font().pixelSize(), 11);

    QLabel *link = form.findChild<QLabel *>(QStringLiteral("Label1"));
    EXPECT_EQ(link->font().pixelSize(), 12);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    auto *volver = form.findChild<QPushButton *>(QStringLiteral("BitBtn1"));
    EXPECT_FALSE(volver->icon().isNull());
    EXPECT_EQ(volver->iconSize(), QSize(16, 16));
}

TEST_F(LegislationWindow, TabOrderRunsThroughTheButtonsThenVolver)
{
    QStringList order;
    for (QWidget *w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain())
        if (w->objectName().startsWith(QStringLiteral("RadioButton")) || w->objectName() == QStringLiteral("BitBtn1"))
            order << w->objectName();
    const QStringList expected = {
        QStringLiteral("RadioButton1"), QStringLiteral("RadioButton2"), QStringLiteral("RadioButton3"),
        QStringLiteral("RadioButton4"), QStringLiteral("RadioButton5"), QStringLiteral("RadioButton6"),
        QStringLiteral("RadioButton7"), QStringLiteral("RadioButton8"), QStringLiteral("RadioButton9"),
        QStringLiteral("BitBtn1"),
    };
    EXPECT_EQ(order, expected) << qPrintable(order.join(QLatin1Char(' ')));
}

// As on the desktop, Tab enters the group at its checked button only; the
// arrow keys move within it.
TEST_F(LegislationWindow, TabStopsAreTheCheckedButtonAndVolver)
{
    clickRadio(form, 7);
    QStringList stops;
    for (QWidget *w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            stops << w->objectName();
    EXPECT_EQ(stops, (QStringList{QStringLiteral("RadioButton7"), QStringLiteral("BitBtn1")}));
}

// Opening goes through ShowLegislation: modal, on article 104 whatever was
// chosen the last time, and freed once "Volver" closes it.
TEST(ShowLegislation, EveryOpeningStartsOnArticle104AndFreesTheWindow)
{
    FakePlatform platform;
    QWidget opener;
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        bool inspected = false;
        QTimer::singleShot(0, &opener, [&] {
            TForm_legislacion *shown = Form_legislacion;
            if (!shown)
                return;
            inspected = true;
            EXPECT_TRUE(shown->isModal());
            EXPECT_EQ(shown->parentWidget(), &opener);
            EXPECT_EQ(checkedButtons(*shown), std::vector<int>{1});
            EXPECT_EQ(memo(*shown)->toPlainText(), Legislation::text(1));
            clickRadio(*shown, 7);
            QTest::mouseClick(shown->findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        });
        // A failed check above must not leave the test waiting on the window.
        QTimer::singleShot(5000, &opener, [] {
            if (Form_legislacion)
                Form_legislacion->close();
        });
        ShowLegislation(&opener);
        EXPECT_TRUE(inspected);
        EXPECT_EQ(Form_legislacion, nullptr);
    }
}

} // namespace
