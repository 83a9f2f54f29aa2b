// SPDX-License-Identifier: MIT
// TForm_inicio: the start window and main window. Its creation installs the
// application-wide keyboard convention (AppMessage); its buttons open the
// simulation window and end the program; its menu opens the About window.
#pragma once

#include <QMainWindow>
#include <QString>

#include <memory>

namespace Ui {
class TForm_inicio;
}

class TForm_inicio final : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm_inicio(QWidget *parent = nullptr);
    ~TForm_inicio() override;

    // Keyboard convention, seen for every event of every window before it is
    // dispatched: Enter moves to the next field in single-line edits, closed
    // combo boxes, radio buttons and list boxes; Down-arrow opens a combo
    // box's list. Returns true when the event was replaced.
    bool AppMessage(QObject *receiver, QEvent *event);

    void BitBtn1Click();
    // The simulation window, opened on a case when caseFile names one (the
    // program started with a file: a double click on a case).
    void openSimulation(const QString &caseFile);
    void BitBtn3Click();
    void Acercade1Click();
    void Label4Click();
    // The administration command: no control of this edition is bound to it.
    void BitBtn9Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();

    std::unique_ptr<Ui::TForm_inicio> ui;
};

extern TForm_inicio *Form_inicio;
