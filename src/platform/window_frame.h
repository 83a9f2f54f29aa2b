// SPDX-License-Identifier: MIT
// Frame settings shared by the program's windows: fixed size, centred on the
// screen, title-bar buttons as each window allows.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

enum class TitleButtons { None, SystemMenuOnly, SystemMenuAndMinimise };

inline void fixWindowFrame(QWidget *window, QSize size, TitleButtons buttons)
{
    window->setFixedSize(size);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (buttons != TitleButtons::None)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (window->windowFlags().testFlag(Qt::Dialog))
        flags |= Qt::Dialog;
    if (buttons == TitleButtons::SystemMenuAndMinimise)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

inline void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}
