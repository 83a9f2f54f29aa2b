// SPDX-License-Identifier: MIT
// The modal preview of a prepared document: opened maximised at 100 %, with
// print, page setup, zoom, page navigation, "Guardar como PDF" and "Exportar
// como PNG". It only shows the document; failures go to the user through
// Platform::dialogs().
#pragma once

#include "report/report.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;

class ReportPreview final : public QDialog {
    Q_OBJECT

public:
    // Asks for the name of a file to write; empty when the user cancels.
    using FileChooser = std::function<QString(QWidget *parent, const QString &caption, const QString &suggested,
                                              const QString &filter)>;

    explicit ReportPreview(PreparedDocument document, QWidget *parent = nullptr);
    ~ReportPreview() override;

    // The printer the print action uses: "PDFCreator" when there is one,
    // else the default printer; empty when the system has no printer.
    [[nodiscard]] static QString preferredPrinterName();

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    [[nodiscard]] double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    [[nodiscard]] int currentPage() const { return m_page; }
    void showPage(int index);
    [[nodiscard]] const PreparedDocument &document() const { return m_document; }

    QAction *printAction() const { return m_print; }
    QAction *pageSetupAction() const { return m_pageSetup; }
    QAction *savePdfAction() const { return m_savePdf; }
    QAction *exportPngAction() const { return m_exportPng; }
    QAction *zoomInAction() const { return m_zoomIn; }
    QAction *zoomOutAction() const { return m_zoomOut; }
    QAction *nextPageAction() const { return m_next; }
    QAction *previousPageAction() const { return m_previous; }

    // Resolution of "Exportar como PNG".
    static constexpr int kPngDpi = 150;

private:
    class PageView;

    void print();
    void pageSetup();
    void savePdf();
    void exportPng();
    void fitWidth();
    void fitPage();
    void updateState();
    [[nodiscard]] QString askFileName(const QString &caption, const QString &suffix, const QString &filter);

    PreparedDocument m_document;
    std::unique_ptr<QPrinter> m_printer; // null without any printer
    FileChooser m_chooseFile;
    double m_zoom = 1.0;
    int m_page = 0;

    PageView *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QAction *m_print = nullptr;
    QAction *m_pageSetup = nullptr;
    QAction *m_savePdf = nullptr;
    QAction *m_exportPng = nullptr;
    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_first = nullptr;
    QAction *m_previous = nullptr;
    QAction *m_next = nullptr;
    QAction *m_last = nullptr;
};
