// SPDX-License-Identifier: MIT
#include "admin/form_nuevogravamen.h"

#include "artwork/artwork.h"
#include "db/convert.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "ui_form_nuevogravamen.h"

#include <QApplication>
#include <QShowEvent>

TForm_nuevogravamen::TForm_nuevogravamen(AdminDatabase &data, int modo, int idconfiguracion, QWidget *parent)
    : ButtonClosedDialog(parent, QSize(393, 371)), m_data(data), m_modo(modo), m_idconfiguracion(idconfiguracion),
      ui(std::make_unique<Ui::TForm_nuevogravamen>())
{
    ui->setupUi(this);
    applyPixelSizes(this);
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
    ui->Edit_anodevengo->setFocus(Qt::OtherFocusReason);
    if (m_modo == 1)
        showStoredRow();
}

void TForm_nuevogravamen::showStoredRow()
{
    const auto stored = m_data.rowByIdentifier(m_idconfiguracion);
    if (!succeeded(this, stored))
        return;
    // No such row: an empty year and zeros.
    const TaxYearRow row = stored->value_or(TaxYearRow{});
    showStoredText(ui->Edit_anodevengo, stored->has_value() ? QString::number(row.anodevengo) : QString());
    showStoredText(ui->Edit1, floatToStr(row.tipogravamen));
    const std::array limits{ui->Edit_fintramo1, ui->Edit_fintramo2, ui->Edit_fintramo3};
    const std::array starts{ui->Label20, ui->Label21, ui->Label22};
    for (size_t band = 0; band < limits.size(); ++band) {
        showStoredText(limits[band], QString::number(row.fintramo[band]));
        starts[band]->setText(QString::number(row.fintramo[band] + 1));
    }
    const std::array percentages{ui->Edit_tipo1, ui->Edit_tipo2, ui->Edit_tipo3, ui->Edit_tipo4};
    for (size_t band = 0; band < percentages.size(); ++band)
        showStoredText(percentages[band], floatToStr(row.tipotramo[band]));
    showStoredText(ui->Edit2, floatToStr(row.coeficientereductor107));
}

void TForm_nuevogravamen::Edit_anodevengoExit()
{
    // Leaving towards "Volver" is always allowed.
    if (m_modo != 0 || QApplication::focusWidget() == ui->BitBtn1)
        return;
    const auto year = strToInt(ui->Edit_anodevengo->text());
    if (!succeeded(this, year))
        return;
    const auto taken = m_data.yearTaken(*year);
    if (!succeeded(this, taken))
        return;
    if (*taken == 1 && QApplication::focusWidget() != ui->BitBtn1) {
        Platform::dialogs().message(this, tr("Ya existen datos para este Año"), tr("Error!!"));
        ui->Edit_anodevengo->clear();
        ui->Edit_anodevengo->setFocus(Qt::OtherFocusReason);
    }
}

void TForm_nuevogravamen::bandLimitExit(const QLineEdit *field, QLabel *startLabel)
{
    if (const auto limit = strToInt(field->text()); succeeded(this, limit))
        startLabel->setText(QString::number(qint64(*limit) + 1));
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

Expected<TaxYearRow> TForm_nuevogravamen::typedRow() const
{
    TaxYearRow row;
    std::optional<Error> failed; // the first conversion that fails, in the order of binding
    const auto integer = [&](const QLineEdit *field, int &into) {
        if (failed)
            return;
        if (const auto value = strToInt(field->text()))
            into = *value;
        else
            failed = value.error();
    };
    const auto decimal = [&](const QLineEdit *field, double &into) {
        if (failed)
            return;
        if (const auto value = strToDecimal(field->text(), AdminDatabase::kDecimals))
            into = *value;
        else
            failed = value.error();
    };
    integer(ui->Edit_anodevengo, row.anodevengo);
    decimal(ui->Edit1, row.tipogravamen);
    integer(ui->Edit_fintramo1, row.fintramo[0]);
    integer(ui->Edit_fintramo2, row.fintramo[1]);
    integer(ui->Edit_fintramo3, row.fintramo[2]);
    decimal(ui->Edit_tipo1, row.tipotramo[0]);
    decimal(ui->Edit_tipo2, row.tipotramo[1]);
    decimal(ui->Edit_tipo3, row.tipotramo[2]);
    decimal(ui->Edit_tipo4, row.tipotramo[3]);
    decimal(ui->Edit2, row.coeficientereductor107);
    if (failed)
        return std::unexpected(*failed);
    return row;
}

void TForm_nuevogravamen::BitBtn2Click()
{
    for (const QLineEdit *field :
         {ui->Edit_anodevengo, ui->Edit1, ui->Edit_fintramo1, ui->Edit_fintramo2, ui->Edit_fintramo3, ui->Edit_tipo1,
          ui->Edit_tipo2, ui->Edit_tipo3, ui->Edit_tipo4, ui->Edit2}) {
        if (field->text().isEmpty()) {
            Platform::dialogs().message(this, tr("Faltan datos para continuar"), tr("Atención"));
            ui->Edit_anodevengo->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const auto row = typedRow();
    if (!succeeded(this, row))
        return;
    if (!succeeded(this, m_modo == 0 ? m_data.insertYear(*row) : m_data.updateYear(m_idconfiguracion, *row)))
        return;
    if (m_modo == 0)
        Platform::dialogs().message(this, tr("Datos guardados correctamente"), tr("Guardar"));
    else
        Platform::dialogs().message(this, tr("Datos modificados correctamente"), tr("Modificar"));
    closeByButton(Accepted);
}

void TForm_nuevogravamen::BitBtn1Click()
{
    closeByButton(Rejected);
}
