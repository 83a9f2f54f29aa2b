// SPDX-License-Identifier: MIT
// The modal preview of a prepared document, laid out as people know from
// document viewers: one toolbar that fits a 1024-pixel screen (print, page
// setup, "Guardar como PDF", "Exportar como PNG", a zoom box, page
// navigation, "Buscar", "Cerrar"), a find bar under the page, keyboard
// shortcuts named in the tooltips and Ctrl+wheel zoom. It opens maximised at
// the zoom last chosen in this run. It only shows the document; failures go
// to the user through Platform::dialogs().
#pragma once

#include "report/report.h"
#include "report/textsearch.h"

#include <QDialog>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QScrollArea;
class QSpinBox;
class QToolBar;

class ReportPreview final : public QDialog {
    Q_OBJECT

public:
    // Asks for the name of a file to write; empty when the user cancels.
    using FileChooser = std::function<QString(QWidget *parent, const QString &caption, const QString &suggested,
                                              const QString &filter)>;
    // Runs the page-setup or the print dialog on printer; true when the user accepts.
    using PrinterDialog = std::function<bool(QWidget *parent, QPrinter &printer)>;

    enum class ZoomMode { Factor, FitWidth, FitPage };
    struct ZoomChoice {
        ZoomMode mode = ZoomMode::Factor;
        double factor = 1.0; // with ZoomMode::Factor
    };

    explicit ReportPreview(PreparedDocument document, QWidget *parent = nullptr);
    ~ReportPreview() override;

    // The printer the print action uses: "PDFCreator" when there is one,
    // else the default printer; empty when the system has no printer.
    [[nodiscard]] static QString preferredPrinterName();
    // The zoom the next preview opens with: the last one chosen in any
    // preview since the program started.
    [[nodiscard]] static ZoomChoice &rememberedZoom();

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // Prints on printer instead of the system's (null: as with no printer).
    void setPrinter(std::unique_ptr<QPrinter> printer);
    void setPrinterDialogs(PrinterDialog pageSetup, PrinterDialog print);

    [[nodiscard]] double zoom() const { return m_zoom; }
    [[nodiscard]] ZoomChoice zoomChoice() const { return m_zoomChoice; }
    void setZoom(double zoom);
    void setZoomChoice(ZoomChoice choice);
    [[nodiscard]] int currentPage() const { return m_page; }
    void showPage(int index);
    [[nodiscard]] const PreparedDocument &document() const { return m_document; }

    // The occurrences of the text in the find field, and the one stepped to (-1: none).
    [[nodiscard]] const std::vector<TextMatch> &matches() const { return m_matches; }
    [[nodiscard]] int currentMatch() const { return m_match; }

    QToolBar *toolBar() const { return m_toolBar; }
    QComboBox *zoomBox() const { return m_zoomBox; }
    QLineEdit *findField() const { return m_findField; }
    QLabel *findStatus() const { return m_findStatus; }
    QSpinBox *pageBox() const { return m_pageBox; }
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class PageView;

    void buildToolBar();
    void buildFindBar();
    void openFind();
    void closeFind();
    void print();
    void pageSetup();
    void savePdf();
    void exportPng();
    void zoomBy(int steps, std::optional<QPoint> anchor = std::nullopt);
    void zoomEdited();
    void applyZoom();
    void find(const QString &text);
    void stepMatch(int step);
    void updateState();
    void updatePrinterActions();
    // Where a failure to print or to write a file reaches the user.
    void showError(const QString &text);
    [[nodiscard]] QString askFileName(const QString &caption, const QString &suffix, const QString &filter);

    PreparedDocument m_document;
    std::unique_ptr<QPrinter> m_printer; // null without any printer
    FileChooser m_chooseFile;
    PrinterDialog m_pageSetupDialog;
    PrinterDialog m_printDialog;
    ZoomChoice m_zoomChoice;
    double m_zoom = 1.0;
    int m_wheelDelta = 0; // Ctrl+wheel turns not yet worth a zoom step
    int m_page = 0;
    std::vector<TextMatch> m_matches;
    int m_match = -1;

    PageView *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;
    QToolBar *m_toolBar = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QSpinBox *m_pageBox = nullptr;
    QWidget *m_findBar = nullptr;
    QLineEdit *m_findField = nullptr;
    QLabel *m_findStatus = nullptr;
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
