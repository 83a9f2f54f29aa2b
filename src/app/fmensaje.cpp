// SPDX-License-Identifier: MIT
#include "app/fmensaje.h"

#include "platform/pixel_font.h"
#include "platform/window_frame.h"
#include "ui_fmensaje.h"

#include <QCloseEvent>

TFMensaje *FMensaje = nullptr;

TFMensaje::TFMensaje(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), ui(std::make_unique<Ui::TFMensaje>())
{
    FMensaje = this;
    ui->setupUi(this);
    applyPixelSizes(this);
    setFixedSize(187, 62);
    setTextColour(ui->Label1, Qt::red);
    centreOnScreen(this);
}

TFMensaje::~TFMensaje()
{
    if (FMensaje == this)
        FMensaje = nullptr;
}

void TFMensaje::closeEvent(QCloseEvent *event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TFMensaje::FormClose()
{
    setAttribute(Qt::WA_DeleteOnClose);
}
