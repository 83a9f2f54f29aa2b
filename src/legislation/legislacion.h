// SPDX-License-Identifier: MIT
// The legislation viewer: shows one legal text at a time, chosen with nine
// radio buttons, and asks the desktop to open the municipal ordinance. It is
// opened modally from the simulation window and reads or changes nothing else.
#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <memory>

class QRadioButton;
class QShowEvent;

namespace Ui {
class TForm_legislacion;
}

// The complete ordinance, a PDF on the municipality's web site.
inline const QString kOrdinanceAddress = QStringLiteral("https://www.sarvelina.example/ordenanzas/OF04_IIVTNU.pdf");

class TForm_legislacion final : public QDialog {
    Q_OBJECT

public:
    explicit TForm_legislacion(QWidget *parent = nullptr);
    ~TForm_legislacion() override;

    void FormShow();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void RadioButton8Click();
    void RadioButton9Click();
    void Label1Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Checks radio button `number` alone and shows its text.
    void showText(int number);

    std::unique_ptr<Ui::TForm_legislacion> ui;
    std::array<QRadioButton *, 9> m_radioButtons{};
};

// The one viewer while it is open; null otherwise.
extern TForm_legislacion *Form_legislacion;

// The "Legislación" button: creates the viewer, shows it modally and frees it.
void ShowLegislation(QWidget *parent);
