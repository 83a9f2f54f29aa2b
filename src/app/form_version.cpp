// SPDX-License-Identifier: MIT
#include "app/form_version.h"

#include "app/links.h"
#include "artwork/artwork.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "platform/window_frame.h"
#include "ui_form_version.h"

#include <QMouseEvent>

TForm_version *Form_version = nullptr;

TForm_version::TForm_version(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TForm_version>())
{
    ui->setupUi(this);
    applyPixelSizes(this);
    fixWindowFrame(this, QSize(483, 206), TitleButtons::SystemMenuOnly);
    setTextColour(ui->Label7, Qt::blue);
    ui->Image1->setPixmap(Artwork::coatOfArms(ui->Image1->size()));
    ui->Label7->installEventFilter(this);
    centreOnScreen(this);
}

TForm_version::~TForm_version() = default;

bool TForm_version::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Label7 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label7Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_version::Label7Click()
{
    Platform::shell().openMailLink(Links::ContactMailLink);
}
