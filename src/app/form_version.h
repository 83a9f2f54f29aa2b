// SPDX-License-Identifier: MIT
// TForm_version: the About window, with the contact mail link.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TForm_version;
}

class TForm_version final : public QDialog {
    Q_OBJECT
public:
    explicit TForm_version(QWidget *parent = nullptr);
    ~TForm_version() override;

    void Label7Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::TForm_version> ui;
};

extern TForm_version *Form_version;
