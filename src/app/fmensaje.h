// SPDX-License-Identifier: MIT
// TFMensaje: the loading window. It is created hidden at start-up and never
// shown; closing it frees it.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TFMensaje;
}

class TFMensaje final : public QWidget {
    Q_OBJECT
public:
    explicit TFMensaje(QWidget *parent = nullptr);
    ~TFMensaje() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormClose();
    std::unique_ptr<Ui::TFMensaje> ui;
};

extern TFMensaje *FMensaje;
