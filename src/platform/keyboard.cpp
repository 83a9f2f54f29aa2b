// SPDX-License-Identifier: MIT
#include "platform/keyboard.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {
constexpr char kExemptProperty[] = "enterKeepsItsMeaning";

// The combo box a focused widget belongs to: the box itself or its line edit.
QComboBox *comboOf(QWidget *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo;
    if (qobject_cast<QLineEdit *>(widget))
        return qobject_cast<QComboBox *>(widget->parentWidget());
    return nullptr;
}

bool isSingleLineEdit(QWidget *widget)
{
    // A date picker's or spin box's inner line edit belongs to the picker,
    // which keeps Enter.
    return qobject_cast<QLineEdit *>(widget) && !qobject_cast<QAbstractSpinBox *>(widget->parentWidget()) &&
           !comboOf(widget);
}

class ConventionFilter final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override { return Keyboard::applyConvention(watched, event); }
};
} // namespace

namespace Keyboard {

bool applyConvention(QObject *receiver, QEvent *event)
{
    // No window declares a default button (a dialog's push buttons would be
    // pressed by Enter in any control): each is made plain before it shows.
    if (event->type() == QEvent::Polish) {
        if (auto *button = qobject_cast<QPushButton *>(receiver))
            button->setAutoDefault(false);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    QWidget *focused = QApplication::focusWidget();
    // Key events travel up the parent chain; act once, on first delivery.
    if (!focused || receiver != focused)
        return false;
    // Qt's own file dialog takes the typed name on Enter.
    if (qobject_cast<QFileDialog *>(focused->window()))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);

    QComboBox *combo = comboOf(focused);
    if (key->key() == Qt::Key_Down && combo && !combo->view()->isVisible())
        combo->showPopup();

    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    // With a list open (a combo box's popup) Enter keeps its meaning.
    if (QApplication::activePopupWidget() || focused->window()->property(kExemptProperty).toBool())
        return false;
    // Enter on a button presses it, as Space does.
    if (qobject_cast<QPushButton *>(focused) || qobject_cast<QToolButton *>(focused)) {
        static_cast<QAbstractButton *>(focused)->click();
        return true;
    }
    const bool moves = isSingleLineEdit(focused) || (combo && !combo->view()->isVisible()) ||
                       qobject_cast<QRadioButton *>(focused) || qobject_cast<QListView *>(focused);
    if (!moves)
        return false;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, key->modifiers() & ~Qt::ShiftModifier);
    QCoreApplication::sendEvent(focused, &tab);
    return true;
}

void exemptWindow(QWidget *window)
{
    window->setProperty(kExemptProperty, true);
}

void installConvention()
{
    const QString name = QStringLiteral("keyboardConvention");
    if (qApp->findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *filter = new ConventionFilter(qApp);
    filter->setObjectName(name);
    qApp->installEventFilter(filter);
    // Buttons made before the convention was installed.
    const auto widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (auto *button = qobject_cast<QPushButton *>(widget))
            button->setAutoDefault(false);
    }
}

} // namespace Keyboard
