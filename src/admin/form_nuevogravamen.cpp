// SPDX-License-Identifier: MIT
#include "admin/form_nuevogravamen.h"

#include "admin/form_configuracion.h"
#include "artwork/artwork.h"
#include "db/convert.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "ui_form_nuevogravamen.h"

#include <QApplication>
#include <QShowEvent>

TForm_nuevogravamen *Form_nuevogravamen = nullptr;

namespace {
// The rate, percentages and reduction are stored with four decimals.
constexpr int kDecimals = 4;
} // namespace

TForm_nuevogravamen::TForm_nuevogravamen(QWidget *parent)
    : ButtonClosedDialog(parent, QSize(393, 371)), MyQuery1(sharedConnection(), this),
      MyQuery2(sharedConnection(), this), ui(std::make_unique<Ui::TForm_nuevogravamen>())
{
    ui->setupUi(this);
    setPixelFont(this, QStringLiteral("Century Gothic"), 11);
    ui->Label18->setFont(pixelFont(QStringLiteral("Century Gothic"), 16));
    ui->Label19->setFont(pixelFont(QStringLiteral("Century Gothic"), 16));
    ui->BitBtn1->setIcon(Artwork::icon(Artwork::Glyph::Back));
    ui->BitBtn2->setIcon(Artwork::icon(Artwork::Glyph::Save));

    refuseNonDigitInput(ui->Edit_anodevengo);
    onKeyPress(ui->Edit_anodevengo, [this](QChar &key) { Edit_anodevengoKeyPress(key); });
    refuseNonDigitInput(ui->Edit_fintramo1);
    onKeyPress(ui->Edit_fintramo1, [this](QChar &key) { Edit_fintramo1KeyPress(key); });
    for (QLineEdit *field : {ui->Edit_fintramo2, ui->Edit_fintramo3}) {
        refuseNonDigitInput(field);
        onKeyPress(field, [this](QChar &key) { Edit_fintramo2KeyPress(key); });
    }
    onExit(ui->Edit_anodevengo, [this] { Edit_anodevengoExit(); });
    onExit(ui->Edit_fintramo1, [this] { Edit_fintramo1Exit(); });
    onExit(ui->Edit_fintramo2, [this] { Edit_fintramo2Exit(); });
    onExit(ui->Edit_fintramo3, [this] { Edit_fintramo3Exit(); });
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm_nuevogravamen::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TForm_nuevogravamen::BitBtn2Click);
}

TForm_nuevogravamen::~TForm_nuevogravamen() = default;

void TForm_nuevogravamen::showEvent(QShowEvent *event)
{
    ButtonClosedDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_nuevogravamen::FormShow()
{
    handlerBoundary(this, [&] {
        ui->Edit_anodevengo->setFocus(Qt::OtherFocusReason);
        if (modo != 1)
            return;
        MyQuery2.setSql({QStringLiteral("select * from configuracionplusvaliasdb where IDCONFIGURACIONPLUSVALIAS= "
                                        ":pIDCONFIGURACIONPLUSVALIAS")});
        MyQuery2.setParamInteger(QStringLiteral("pIDCONFIGURACIONPLUSVALIAS"), idconfiguracion);
        MyQuery2.open();
        const auto field = [&](const char *column) { return MyQuery2.fieldByName(QLatin1String(column)); };
        showStoredText(ui->Edit_anodevengo, field("ANODEVENGO").asString());
        showStoredText(ui->Edit1, floatToStr(field("TIPOGRAVAMEN").asFloat()));
        showStoredText(ui->Edit_fintramo1, QString::number(field("FINTRAMO1").asInteger()));
        ui->Label20->setText(QString::number(field("FINTRAMO1").asInteger() + 1));
        showStoredText(ui->Edit_fintramo2, QString::number(field("FINTRAMO2").asInteger()));
        ui->Label21->setText(QString::number(field("FINTRAMO2").asInteger() + 1));
        showStoredText(ui->Edit_fintramo3, QString::number(field("FINTRAMO3").asInteger()));
        ui->Label22->setText(QString::number(field("FINTRAMO3").asInteger() + 1));
        showStoredText(ui->Edit_tipo1, floatToStr(field("TIPOTRAMO1").asFloat()));
        showStoredText(ui->Edit_tipo2, floatToStr(field("TIPOTRAMO2").asFloat()));
        showStoredText(ui->Edit_tipo3, floatToStr(field("TIPOTRAMO3").asFloat()));
        showStoredText(ui->Edit_tipo4, floatToStr(field("TIPOTRAMO4").asFloat()));
        showStoredText(ui->Edit2, floatToStr(field("COEFICIENTEREDUCTOR107").asFloat()));
    });
}

void TForm_nuevogravamen::Edit_anodevengoExit()
{
    handlerBoundary(this, [&] {
        // Leaving towards "Volver" is always allowed.
        if (modo != 0 || QApplication::focusWidget() == ui->BitBtn1)
            return;
        MyQuery1.setSql({QStringLiteral("SELECT * FROM configuracionplusvaliasdb"),
                         QStringLiteral("where ANODEVENGO = :pANODEVENGO")});
        MyQuery1.setParamInteger(QStringLiteral("pANODEVENGO"), strToInt(ui->Edit_anodevengo->text()));
        MyQuery1.open();
        if (MyQuery1.recordCount() == 1 && QApplication::focusWidget() != ui->BitBtn1) {
            Platform::dialogs().message(this, QStringLiteral("Ya existen datos para este Año"),
                                        QStringLiteral("Error!!"));
            ui->Edit_anodevengo->clear();
            ui->Edit_anodevengo->setFocus(Qt::OtherFocusReason);
        }
    });
}

void TForm_nuevogravamen::bandLimitExit(const QLineEdit *field, QLabel *startLabel)
{
    handlerBoundary(this, [&] { startLabel->setText(QString::number(qint64(strToInt(field->text())) + 1)); });
}

void TForm_nuevogravamen::Edit_fintramo1Exit()
{
    bandLimitExit(ui->Edit_fintramo1, ui->Label20);
}
void TForm_nuevogravamen::Edit_fintramo2Exit()
{
    bandLimitExit(ui->Edit_fintramo2, ui->Label21);
}
void TForm_nuevogravamen::Edit_fintramo3Exit()
{
    bandLimitExit(ui->Edit_fintramo3, ui->Label22);
}

void TForm_nuevogravamen::Edit_anodevengoKeyPress(QChar &key)
{
    digitsOnlyKeyPress(key);
}
void TForm_nuevogravamen::Edit_fintramo1KeyPress(QChar &key)
{
    digitsOnlyKeyPress(key);
}
void TForm_nuevogravamen::Edit_fintramo2KeyPress(QChar &key)
{
    digitsOnlyKeyPress(key);
}

void TForm_nuevogravamen::BitBtn2Click()
{
    handlerBoundary(this, [&] {
        for (const QLineEdit *field :
             {ui->Edit_anodevengo, ui->Edit1, ui->Edit_fintramo1, ui->Edit_fintramo2, ui->Edit_fintramo3,
              ui->Edit_tipo1, ui->Edit_tipo2, ui->Edit_tipo3, ui->Edit_tipo4, ui->Edit2}) {
            if (field->text().isEmpty()) {
                Platform::dialogs().message(this, QStringLiteral("Faltan datos para continuar"),
                                            QStringLiteral("Atención"));
                ui->Edit_anodevengo->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
        if (modo == 0) {
            MyQuery2.setSql({QStringLiteral("Insert into configuracionplusvaliasdb"),
                             QStringLiteral("(ANODEVENGO,TIPOGRAVAMEN,FINTRAMO1,FINTRAMO2,FINTRAMO3,TIPOTRAMO1,"
                                            "TIPOTRAMO2,TIPOTRAMO3,TIPOTRAMO4,COEFICIENTEREDUCTOR107)"),
                             QStringLiteral(" values (:PANODEVENGO,:PTIPOGRAVAMEN,:PFINTRAMO1,:PFINTRAMO2,:PFINTRAMO3,"
                                            ":PTIPOTRAMO1,:PTIPOTRAMO2,:PTIPOTRAMO3,:PTIPOTRAMO4,"
                                            ":PCOEFICIENTEREDUCTOR107)")});
        } else {
            MyQuery2.setSql(
                {QStringLiteral("Update configuracionplusvaliasdb"),
                 QStringLiteral("set ANODEVENGO=:PANODEVENGO,TIPOGRAVAMEN=:PTIPOGRAVAMEN,FINTRAMO1=:PFINTRAMO1,"
                                "FINTRAMO2=:PFINTRAMO2,FINTRAMO3=:PFINTRAMO3,TIPOTRAMO1=:PTIPOTRAMO1,"),
                 QStringLiteral("TIPOTRAMO2=:PTIPOTRAMO2,TIPOTRAMO3=:PTIPOTRAMO3,TIPOTRAMO4=:PTIPOTRAMO4,"
                                "COEFICIENTEREDUCTOR107=:PCOEFICIENTEREDUCTOR107"),
                 QStringLiteral("where IDCONFIGURACIONPLUSVALIAS = :pIDCONFIGURACIONPLUSVALIAS")});
            MyQuery2.setParamInteger(QStringLiteral("pIDCONFIGURACIONPLUSVALIAS"), idconfiguracion);
        }
        MyQuery2.setParamInteger(QStringLiteral("PANODEVENGO"), strToInt(ui->Edit_anodevengo->text()));
        MyQuery2.setParamFloat(QStringLiteral("PTIPOGRAVAMEN"), strToDecimal(ui->Edit1->text(), kDecimals));
        MyQuery2.setParamInteger(QStringLiteral("PFINTRAMO1"), strToInt(ui->Edit_fintramo1->text()));
        MyQuery2.setParamInteger(QStringLiteral("PFINTRAMO2"), strToInt(ui->Edit_fintramo2->text()));
        MyQuery2.setParamInteger(QStringLiteral("PFINTRAMO3"), strToInt(ui->Edit_fintramo3->text()));
        MyQuery2.setParamFloat(QStringLiteral("PTIPOTRAMO1"), strToDecimal(ui->Edit_tipo1->text(), kDecimals));
        MyQuery2.setParamFloat(QStringLiteral("PTIPOTRAMO2"), strToDecimal(ui->Edit_tipo2->text(), kDecimals));
        MyQuery2.setParamFloat(QStringLiteral("PTIPOTRAMO3"), strToDecimal(ui->Edit_tipo3->text(), kDecimals));
        MyQuery2.setParamFloat(QStringLiteral("PTIPOTRAMO4"), strToDecimal(ui->Edit_tipo4->text(), kDecimals));
        MyQuery2.setParamFloat(QStringLiteral("PCOEFICIENTEREDUCTOR107"), strToDecimal(ui->Edit2->text(), kDecimals));
        MyQuery2.execute();
        if (modo == 0)
            Platform::dialogs().message(this, QStringLiteral("Datos guardados correctamente"),
                                        QStringLiteral("Guardar"));
        else
            Platform::dialogs().message(this, QStringLiteral("Datos modificados correctamente"),
                                        QStringLiteral("Modificar"));
        if (Form_CONFIGURACION)
            Form_CONFIGURACION->showYearParameters();
        closeByButton();
    });
}

void TForm_nuevogravamen::BitBtn1Click()
{
    closeByButton();
}
