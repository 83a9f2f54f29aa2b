// SPDX-License-Identifier: MIT
#include "admin/form_altanotarios.h"

#include "artwork/artwork.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "ui_form_altanotarios.h"

#include <QShowEvent>

TForm_altanotarios::TForm_altanotarios(AdminDatabase &data, QWidget *parent)
    : ButtonClosedDialog(parent, QSize(402, 149)), m_data(data), ui(std::make_unique<Ui::TForm_altanotarios>())
{
    ui->setupUi(this);
    applyPixelSizes(this);
    ui->BitBtn1->setIcon(Artwork::icon(Artwork::Glyph::Save));
    ui->BitBtn2->setIcon(Artwork::icon(Artwork::Glyph::Back));
    makeUpperCase(ui->Edit1);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm_altanotarios::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TForm_altanotarios::BitBtn2Click);
}

TForm_altanotarios::~TForm_altanotarios() = default;

void TForm_altanotarios::showEvent(QShowEvent *event)
{
    ButtonClosedDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_altanotarios::FormShow()
{
    ui->Edit1->setFocus(Qt::OtherFocusReason);
}

void TForm_altanotarios::BitBtn1Click()
{
    if (ui->Edit1->text().isEmpty()) {
        Platform::dialogs().message(this, tr("Debe introducir algún nombre"), tr("Error"));
        return;
    }
    if (!Platform::dialogs().question(this, tr("¿Está seguro de guardar los datos?"), questionTitle()))
        return;
    if (!succeeded(this, m_data.addNotary(ui->Edit1->text())))
        return;
    ui->Edit1->clear();
    closeByButton(Accepted);
}

void TForm_altanotarios::BitBtn2Click()
{
    closeByButton(Rejected);
}
