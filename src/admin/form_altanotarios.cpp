// SPDX-License-Identifier: MIT
#include "admin/form_altanotarios.h"

#include "admin/form_configuracion.h"
#include "artwork/artwork.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "ui_form_altanotarios.h"

#include <QShowEvent>

TForm_altanotarios *Form_altanotarios = nullptr;

TForm_altanotarios::TForm_altanotarios(QWidget *parent)
    : ButtonClosedDialog(parent, QSize(402, 149)), MyQuery1(sharedConnection(), this),
      ui(std::make_unique<Ui::TForm_altanotarios>())
{
    ui->setupUi(this);
    setPixelFont(this, QStringLiteral("Century Gothic"), 11);
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
    handlerBoundary(this, [&] {
        if (ui->Edit1->text().isEmpty()) {
            Platform::dialogs().message(this, QStringLiteral("Debe introducir algún nombre"), QStringLiteral("Error"));
            return;
        }
        if (!Platform::dialogs().question(this, QStringLiteral("¿Está seguro de guardar los datos?"), kQuestionTitle))
            return;
        MyQuery1.setSql({QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES (:Pnombrenotario)")});
        MyQuery1.setParamString(QStringLiteral("Pnombrenotario"), ui->Edit1->text());
        MyQuery1.execute();
        if (Form_CONFIGURACION)
            Form_CONFIGURACION->MyQuery3.refresh();
        ui->Edit1->clear();
        closeByButton();
    });
}

void TForm_altanotarios::BitBtn2Click()
{
    closeByButton();
}
