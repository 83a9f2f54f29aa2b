// SPDX-License-Identifier: MIT
// The administration window over a database of the test's own, with the
// platform seams recorded. Modal dialogs are driven from inside their own
// event loop (whenShown) so the handlers run exactly as a user's clicks do.
#pragma once

#include "admin/form_configuracion.h"
#include "db/datamodule.h"
#include "fakes.h"
#include "test_database.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class AdminTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_TEST_DATABASE();
        db = std::make_unique<TestDatabase>();
        dataModule = std::make_unique<TDataModule1>();
        dataModule->MyConnection1.setSettings(db->settings());
        ASSERT_TRUE(dataModule->MyConnection1.open().has_value());
        data = std::make_unique<AdminDatabase>(dataModule->MyConnection1);
    }
    void TearDown() override
    {
        window.reset();
        data.reset();
        dataModule.reset();
        db.reset();
    }

    // Creates and shows the window as the start window's command would.
    TForm_CONFIGURACION &openWindow()
    {
        window = std::make_unique<TForm_CONFIGURACION>(dataModule->MyConnection1);
        EXPECT_TRUE(window->FormCreate().has_value());
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }

    template <class T = QWidget> T *child(QWidget *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    template <class T = QWidget> T *control(const char *name) { return child<T>(window.get(), name); }
    // Selects a row of a grid as a click does.
    static void selectRow(QTableView *grid, int row)
    {
        grid->selectionModel()->setCurrentIndex(grid->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QString text(const char *name) { return control<QLineEdit>(name)->text(); }

    // Runs body once the next modal dialog is up; closes it afterwards if the
    // body left it open, and says whether it was left open.
    template <class Dialog> void whenShown(std::function<void(Dialog &)> body, bool *leftOpen = nullptr)
    {
        QTimer::singleShot(0, [body, leftOpen] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QApplication::setActiveWindow(dialog);
            body(*dialog);
            if (leftOpen)
                *leftOpen = dialog->isVisible();
            if (dialog->isVisible())
                dialog->done(QDialog::Rejected);
        });
    }

    int rows(const QString &table) { return db->count(table); }

    FakePlatform fake;
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDataModule1> dataModule;
    std::unique_ptr<AdminDatabase> data; // for dialogs opened by the tests themselves
    std::unique_ptr<TForm_CONFIGURACION> window;
};
