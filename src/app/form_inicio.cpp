// SPDX-License-Identifier: MIT
#include "app/form_inicio.h"

#include "admin/form_configuracion.h"
#include "app/form_version.h"
#include "app/links.h"
#include "artwork/artwork.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "platform/window_frame.h"
#include "ui_form_inicio.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

#include "simulation/window/borrador.h"


TForm_inicio *Form_inicio = nullptr;

namespace {
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
    return qobject_cast<QLineEdit *>(widget) && !qobject_cast<QAbstractSpinBox *>(widget->parentWidget())
        && !comboOf(widget);
}

bool isListBox(QWidget *widget)
{
    return qobject_cast<QListView *>(widget) != nullptr;
}
} // namespace

TForm_inicio::TForm_inicio(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::TForm_inicio>())
{
    Form_inicio = this;
    ui->setupUi(this);
    fixWindowFrame(this, QSize(498, 346), TitleButtons::SystemMenuAndMinimise);

    ui->Image1->setPixmap(Artwork::coatOfArms(ui->Image1->size()));
    setPixelFont(ui->Label1, QStringLiteral("Tahoma"), 13, true);
    setPixelFont(ui->Label2, QStringLiteral("Tahoma"), 11);
    setPixelFont(ui->Label4, QStringLiteral("Tahoma"), 11, false, true);
    setPixelFont(ui->Label3, QStringLiteral("Tahoma"), 19, true);
    setPixelFont(ui->BitBtn1, QStringLiteral("Tahoma"), 11);
    setPixelFont(ui->BitBtn3, QStringLiteral("Tahoma"), 11);
    setTextColour(ui->Label4, Qt::blue);
    ui->Label4->setText(Links::WebAddress);
    ui->BitBtn1->setIcon(Artwork::icon(Artwork::Glyph::Calculator, 64));
    ui->BitBtn3->setIcon(Artwork::icon(Artwork::Glyph::Exit, 16));

    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm_inicio::BitBtn1Click);
    connect(ui->BitBtn3, &QPushButton::clicked, this, &TForm_inicio::BitBtn3Click);
    connect(ui->Acercade1, &QAction::triggered, this, &TForm_inicio::Acercade1Click);
    ui->Label4->installEventFilter(this);

    centreOnScreen(this);
    FormCreate();
}

TForm_inicio::~TForm_inicio()
{
    qApp->removeEventFilter(this);
    if (Form_inicio == this)
        Form_inicio = nullptr;
}

void TForm_inicio::FormCreate()
{
    qApp->installEventFilter(this);
}

bool TForm_inicio::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Label4 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label4Click();
        return true;
    }
    return AppMessage(watched, event);
}

bool TForm_inicio::AppMessage(QObject *receiver, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    QWidget *focused = QApplication::focusWidget();
    // Key events travel up the parent chain; act once, on first delivery.
    if (!focused || receiver != focused)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);

    QComboBox *combo = comboOf(focused);
    if (key->key() == Qt::Key_Down && combo && !combo->view()->isVisible())
        combo->showPopup();

    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    // With a list open (a combo box's popup) Enter keeps its meaning.
    if (QApplication::activePopupWidget())
        return false;
    const bool moves = isSingleLineEdit(focused) || (combo && !combo->view()->isVisible())
        || qobject_cast<QRadioButton *>(focused) || isListBox(focused);
    if (!moves)
        return false;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, key->modifiers() & ~Qt::ShiftModifier);
    QCoreApplication::sendEvent(focused, &tab);
    return true;
}

void TForm_inicio::BitBtn1Click()
{
    Form_borrador1 = new TForm_borrador1(this);
    Form_borrador1->exec();
    delete Form_borrador1;
    // Cleared so nothing can reach the freed window.
    Form_borrador1 = nullptr;
}

void TForm_inicio::BitBtn3Click()
{
    close();
}

void TForm_inicio::Acercade1Click()
{
    Form_version = new TForm_version(this);
    Form_version->exec();
    delete Form_version;
    Form_version = nullptr;
}

void TForm_inicio::Label4Click()
{
    // The shell's answer is ignored: nothing is shown if it cannot open it.
    Platform::shell().openUrl(ui->Label4->text());
}

void TForm_inicio::BitBtn9Click()
{
    OpenAdministration(this);
}
