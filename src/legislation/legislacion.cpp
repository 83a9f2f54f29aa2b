// SPDX-License-Identifier: MIT
#include "legislation/legislacion.h"

#include "ui_legislacion.h"

#include "artwork/artwork.h"
#include "legislation/legislation_texts.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "platform/window_frame.h"

#include <QMouseEvent>
#include <QShowEvent>
#include <QSignalBlocker>

TForm_legislacion *Form_legislacion = nullptr;

TForm_legislacion::TForm_legislacion(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TForm_legislacion>())
{
    ui->setupUi(this);
    applyPixelSizes(this);
    fixWindowFrame(this, QSize(740, 555), TitleButtons::SystemMenuAndMinimise);
    centreOnScreen(this);

    ui->BitBtn1->setIcon(Artwork::icon(Artwork::Glyph::Back));

    m_radioButtons = {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4, ui->RadioButton5,
                      ui->RadioButton6, ui->RadioButton7, ui->RadioButton8, ui->RadioButton9};
    using Handler = void (TForm_legislacion::*)();
    static constexpr std::array<Handler, 9> handlers = {
        &TForm_legislacion::RadioButton1Click, &TForm_legislacion::RadioButton2Click,
        &TForm_legislacion::RadioButton3Click, &TForm_legislacion::RadioButton4Click,
        &TForm_legislacion::RadioButton5Click, &TForm_legislacion::RadioButton6Click,
        &TForm_legislacion::RadioButton7Click, &TForm_legislacion::RadioButton8Click,
        &TForm_legislacion::RadioButton9Click,
    };
    // A radio button's handler runs whenever it becomes checked: by a click,
    // by the arrow keys or by FormShow.
    for (std::size_t i = 0; i < m_radioButtons.size(); ++i) {
        connect(m_radioButtons[i], &QRadioButton::toggled, this, [this, handler = handlers[i]](bool checked) {
            if (checked)
                (this->*handler)();
        });
    }
    ui->Label1->installEventFilter(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm_legislacion::BitBtn1Click);
}

TForm_legislacion::~TForm_legislacion() = default;

void TForm_legislacion::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Restoring a minimised window is a spontaneous show: it keeps the text.
    if (!event->spontaneous())
        FormShow();
}

bool TForm_legislacion::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Label1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && ui->Label1->rect().contains(mouse->position().toPoint())) {
            Label1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_legislacion::FormShow()
{
    RadioButton1Click(); // checks RadioButton1 and shows its text
}

void TForm_legislacion::showText(int number)
{
    QRadioButton *button = m_radioButtons.at(static_cast<std::size_t>(number - 1));
    {
        // The buttons share a parent and exclude each other: checking this one
        // unchecks the other eight. Its own handler is running already.
        const QSignalBlocker blocker(button);
        button->setChecked(true);
    }
    ui->Memo1->setPlainText(Legislation::text(number));
}

void TForm_legislacion::RadioButton1Click()
{
    showText(1);
}
void TForm_legislacion::RadioButton2Click()
{
    showText(2);
}
void TForm_legislacion::RadioButton3Click()
{
    showText(3);
}
void TForm_legislacion::RadioButton4Click()
{
    showText(4);
}
void TForm_legislacion::RadioButton5Click()
{
    showText(5);
}
void TForm_legislacion::RadioButton6Click()
{
    showText(6);
}
void TForm_legislacion::RadioButton7Click()
{
    showText(7);
}
void TForm_legislacion::RadioButton8Click()
{
    showText(8);
}
void TForm_legislacion::RadioButton9Click()
{
    showText(9);
}

void TForm_legislacion::Label1Click()
{
    // The viewer stays as it is whatever the shell answers.
    (void)Platform::shell().openUrl(kOrdinanceAddress);
}

void TForm_legislacion::BitBtn1Click()
{
    close();
}

void ShowLegislation(QWidget *parent)
{
    const auto form = std::make_unique<TForm_legislacion>(parent);
    Form_legislacion = form.get();
    form->exec();
    Form_legislacion = nullptr;
}
