// SPDX-License-Identifier: MIT
#include "widgets/currencyedit.h"
#include "money.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {
struct ParseCase {
    const char *text;
    const char *expected;
};

class ParseEditText : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseEditText, ReadsTheTypedNumberRoundedHalfUpToCents)
{
    EXPECT_EQ(parseEditText(QString::fromUtf8(GetParam().text)), money(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseEditText,
                         ::testing::Values(ParseCase{"", "0"}, ParseCase{"-", "0"}, ParseCase{",", "0"},
                                           ParseCase{"12,", "12"}, ParseCase{"12,3", "12,3"},
                                           ParseCase{"600,005", "600,01"}, ParseCase{"600,00499", "600"},
                                           ParseCase{"12,3456", "12,35"}, ParseCase{"-1,005", "-1,01"},
                                           ParseCase{"0,994", "0,99"}, ParseCase{"99,995", "100"},
                                           ParseCase{"abc", "0"}, ParseCase{"1,2,3", "0"},
                                           ParseCase{"100000,00", "100000"}));

TEST(ParseEditTextLimits, HugeNumbersSaturateInsteadOfWrapping)
{
    const Currency huge = parseEditText(u"99999999999999999999999999");
    EXPECT_GT(huge, money("1000000000000"));
}

// A shown window with two fields, so that focus can move between them.
struct Form {
    Form()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit = new CurrencyEdit);
        layout->addWidget(other = new QLineEdit);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        leave();
    }
    void enter()
    {
        edit->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(edit->hasFocus());
    }
    void leave() { other->setFocus(Qt::TabFocusReason); }

    QWidget window;
    CurrencyEdit *edit = nullptr;
    QLineEdit *other = nullptr;
};

TEST(CurrencyEdit, ShowsAPlacedValueRoundedHalfUpAndReadsItBackAsShown)
{
    CurrencyEdit edit;
    edit.setDisplayFormat(QStringLiteral(",0.00 €"));
    edit.setValue(money("600,006"));
    EXPECT_EQ(edit.text(), QStringLiteral("600,01 €"));
    EXPECT_EQ(edit.value(), money("600,01"));
    edit.setValue(money("600,005"));
    EXPECT_EQ(edit.value(), money("600,01"));
    edit.setValue(money("600,0049"));
    EXPECT_EQ(edit.value(), money("600"));
}

TEST(CurrencyEdit, ZeroShowsEmptyUnlessAskedOtherwise)
{
    CurrencyEdit edit;
    edit.setDisplayFormat(QStringLiteral(",0.00 €"));
    edit.setValue(Currency());
    EXPECT_EQ(edit.text(), QString());
    edit.setZeroEmpty(false);
    EXPECT_EQ(edit.text(), QStringLiteral("0,00 €"));
}

TEST(CurrencyEdit, ValuesOutsideTheLimitsReadAsTheLimit)
{
    CurrencyEdit edit;
    edit.setMinimumValue(QStringLiteral("0"));
    edit.setMaximumValue(QStringLiteral("110"));
    edit.setValue(money("-5"));
    EXPECT_EQ(edit.value(), Currency());
    edit.setValue(money("150"));
    EXPECT_EQ(edit.value(), money("110"));
    edit.setText(QStringLiteral("200"));
    EXPECT_EQ(edit.value(), money("110"));
    EXPECT_EQ(edit.minimumValue(), QStringLiteral("0"));
    EXPECT_EQ(edit.maximumValue(), QStringLiteral("110"));
}

TEST(CurrencyEdit, ShowsThePlainNumberWhileFocusedAndTheFormatAfter)
{
    Form form;
    form.edit->setDisplayFormat(QStringLiteral(",0.00 €"));
    form.edit->setValue(money("1234,5"));
    EXPECT_EQ(form.edit->text(), QStringLiteral("1.234,50 €"));
    form.enter();
    EXPECT_EQ(form.edit->text(), QStringLiteral("1234,5"));
    form.leave();
    EXPECT_EQ(form.edit->text(), QStringLiteral("1.234,50 €"));
}

TEST(CurrencyEdit, TypingKeepsTheTextANumberAndTheValueFollowsIt)
{
    Form form;
    form.edit->setMinimumValue(QStringLiteral("0"));
    form.enter();
    QTest::keyClicks(form.edit, QStringLiteral("1a2-,,3.4x5"));
    EXPECT_EQ(form.edit->text(), QStringLiteral("12,345"));
    EXPECT_EQ(form.edit->value(), money("12,35"));
    QTest::keyClick(form.edit, Qt::Key_Backspace);
    EXPECT_EQ(form.edit->text(), QStringLiteral("12,34"));
    form.leave();
    EXPECT_EQ(form.edit->text(), QStringLiteral("12,34"));
}

TEST(CurrencyEdit, NegativesAreTypedOnlyWhereTheMinimumAllowsThem)
{
    Form form;
    form.enter();
    QTest::keyClicks(form.edit, QStringLiteral("-5"));
    EXPECT_EQ(form.edit->value(), money("-5"));
    form.edit->clearValue();
    form.edit->setMinimumValue(QStringLiteral("0"));
    QTest::keyClicks(form.edit, QStringLiteral("-5"));
    EXPECT_EQ(form.edit->value(), money("5"));
}

TEST(CurrencyEdit, TheOwnersHandlerSeesEveryCharacterFirst)
{
    Form form;
    QString seen;
    QObject::connect(form.edit, &CurrencyEdit::keyPress, form.edit, [&seen](QChar &key) {
        seen += key;
        if (key == u'.')
            key = u',';
        else if (key == u'9')
            key = QChar();
    });
    form.enter();
    QTest::keyClicks(form.edit, QStringLiteral("19.5"));
    QTest::keyClick(form.edit, Qt::Key_Backspace);
    EXPECT_EQ(seen, QStringLiteral("19.5\b"));
    EXPECT_EQ(form.edit->text(), QStringLiteral("1,"));
}

// What a paste into a field holding 7 (no negatives, "." typed as ","
// by its owner) leaves in it: the amount a Spanish reader means, or 7
// and the reason it was refused.
struct PasteCase {
    const char16_t *pasted;
    const char *value;
    const char16_t *refusal;
};

class Paste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(Paste, TakesTheAmountMeantOrRefusesItSaying)
{
    const PasteCase &c = GetParam();
    Form form;
    form.edit->setMinimumValue(QStringLiteral("0"));
    QObject::connect(form.edit, &CurrencyEdit::keyPress, form.edit, [](QChar &key) {
        if (key == u'.')
            key = u',';
    });
    QStringList refusals;
    QObject::connect(form.edit, &CurrencyEdit::pasteRefused, form.edit,
                     [&refusals](const QString &message) { refusals << message; });
    form.edit->setValue(money("7"));
    form.enter();
    form.edit->setCursorPosition(1);
    QApplication::clipboard()->setText(QString::fromUtf16(c.pasted));
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.edit->value(), money(c.value));
    EXPECT_EQ(refusals, c.refusal ? QStringList{QString::fromUtf16(c.refusal)} : QStringList());
    if (c.refusal) {
        EXPECT_EQ(form.edit->cursorPosition(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SpanishReadings, Paste,
    ::testing::Values(PasteCase{u"1.234,56", "1234,56", nullptr}, PasteCase{u"2.500", "2500", nullptr},
                      PasteCase{u"1 000", "1000", nullptr}, PasteCase{u"5000€", "5000", nullptr},
                      PasteCase{u" 1.000.000,5 €\n", "1000000,5", nullptr},
                      PasteCase{u"1\u00a0234,56", "1234,56", nullptr}, PasteCase{u"12,5", "12,5", nullptr},
                      PasteCase{u"0", "0", nullptr},
                      PasteCase{u"abc", "7", u"«abc» no es un importe: escríbalo como 1.234,56"},
                      PasteCase{u"2.5", "7", u"«2.5» no es un importe: escríbalo como 1.234,56"},
                      PasteCase{u"1234.56", "7", u"«1234.56» no es un importe: escríbalo como 1.234,56"},
                      PasteCase{u"1,234", "7", u"«1,234» no es un importe: escríbalo como 1.234,56"},
                      PasteCase{u"12.34.567", "7", u"«12.34.567» no es un importe: escríbalo como 1.234,56"},
                      PasteCase{u"1.000 000", "7", u"«1.000 000» no es un importe: escríbalo como 1.234,56"},
                      PasteCase{u"-5", "7", u"Este campo no admite el importe pegado «-5»."}));

TEST(CurrencyEdit, APasteReplacesTheTextAndTheOwnersRulesMayRefuseIt)
{
    Form form;
    // An owner that takes no more than two characters.
    QObject::connect(form.edit, &CurrencyEdit::keyPress, form.edit, [&form](QChar &key) {
        if (form.edit->text().size() - form.edit->selectedText().size() >= 2)
            key = QChar();
    });
    form.edit->setValue(money("3"));
    form.enter();
    form.edit->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("12"));
    QTest::keyClick(form.edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(form.edit->value(), money("12")); // not 312
    QApplication::clipboard()->setText(QStringLiteral("125"));
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.edit->value(), money("12")); // never 12 for 125
}

TEST(CurrencyEdit, TheContextMenuPastesThroughTheFiltersToo)
{
    Form form;
    form.edit->setValue(money("3"));
    form.enter();
    form.edit->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("x4y"));
    bool found = false;
    QTimer::singleShot(0, form.edit, [&found] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        const auto actions = menu->actions();
        for (QAction *action : actions) {
            if (action->text().startsWith(QStringLiteral("&Pegar"))) {
                found = true;
                action->trigger();
            }
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), form.edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(form.edit, &event);
    EXPECT_TRUE(found);
    EXPECT_EQ(form.edit->text(), QStringLiteral("3"));
}

TEST(CurrencyEdit, ExitFiresWhenTheFocusGoesToAnotherControlOnly)
{
    Form form;
    int exits = 0;
    QObject::connect(form.edit, &CurrencyEdit::exited, form.edit, [&exits] { ++exits; });
    form.enter();
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(form.edit, &popup);
    QFocusEvent otherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(form.edit, &otherWindow);
    EXPECT_EQ(exits, 0);
    form.leave();
    EXPECT_EQ(exits, 1);
    // A focus-out without a focus-in before it (a focus moved on inside an
    // exit handler) is no exit.
    QFocusEvent stray(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(form.edit, &stray);
    EXPECT_EQ(exits, 1);
}

TEST(CurrencyEdit, ReadOnlyFieldsTakeNoTypingNorPaste)
{
    Form form;
    form.edit->setReadOnly(true);
    form.edit->setValue(money("2"));
    form.enter();
    QTest::keyClicks(form.edit, QStringLiteral("5"));
    QApplication::clipboard()->setText(QStringLiteral("9"));
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.edit->value(), money("2"));
}
} // namespace

namespace {
TEST(CurrencyEdit, KeepsTheEditTextApartFromWhatItShows)
{
    CurrencyEdit edit;
    edit.setDisplayFormat(QStringLiteral(",0.00 ;"));
    int changes = 0;
    QObject::connect(&edit, &CurrencyEdit::changed, &edit, [&changes] { ++changes; });
    edit.setValue(money("100"));
    EXPECT_EQ(edit.text(), QStringLiteral("100,00 "));
    EXPECT_EQ(edit.editText(), QStringLiteral("100"));
    EXPECT_EQ(changes, 1);
    edit.setValue(money("100"));
    EXPECT_EQ(changes, 1);
    edit.setEditText(QStringLiteral("12,"));
    EXPECT_EQ(edit.editText(), QStringLiteral("12,"));
    EXPECT_EQ(edit.value(), money("12"));
    EXPECT_EQ(edit.text(), QStringLiteral("12,00 "));
    EXPECT_EQ(changes, 2);
}
} // namespace
