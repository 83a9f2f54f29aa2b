// SPDX-License-Identifier: MIT
#include "app/form_inicio.h"

#include "admin/form_configuracion.h"
#include "app/form_version.h"
#include "app/links.h"
#include "artwork/artwork.h"
#include "platform/keyboard.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "platform/window_frame.h"
#include "simulator/borrador.h"
#include "ui_form_inicio.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <memory>

TForm_inicio *Form_inicio = nullptr;

TForm_inicio::TForm_inicio(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::TForm_inicio>())
{
    Form_inicio = this;
    ui->setupUi(this);
    applyPixelSizes(this);
    fixWindowFrame(this, QSize(498, 346), TitleButtons::SystemMenuAndMinimise);

    ui->Image1->setPixmap(Artwork::coatOfArms(ui->Image1->size()));
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
    if (watched == ui->Label4 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label4Click();
        return true;
    }
    return AppMessage(watched, event);
}

bool TForm_inicio::AppMessage(QObject *receiver, QEvent *event)
{
    return Keyboard::applyConvention(receiver, event);
}

void TForm_inicio::BitBtn1Click()
{
    openSimulation(QString());
}

void TForm_inicio::openSimulation(const QString &caseFile)
{
    // The window sets Form_borrador1 while it exists and clears it when freed.
    const auto window = std::make_unique<TForm_borrador1>(this);
    // Once shown, so the case replaces the defaults the showing sets.
    if (!caseFile.isEmpty())
        QTimer::singleShot(0, window.get(), [shown = window.get(), caseFile] { shown->openCase(caseFile); });
    window->exec();
}

void TForm_inicio::BitBtn3Click()
{
    close();
}

void TForm_inicio::Acercade1Click()
{
    const auto window = std::make_unique<TForm_version>(this);
    Form_version = window.get();
    window->exec();
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
