// SPDX-License-Identifier: MIT
// A report: a template, the named variables a caller sets and the pictures it
// draws. prepare() turns them into a document of fixed pages (every [NAME]
// replaced, [Date] from Platform::clock()); showReport() prepares it and opens
// the modal preview, from which it is printed, saved or exported.
#pragma once

#include "report/reporttemplate.h"
#include "report/reportvalue.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

struct PreparedPage {
    std::vector<ReportObject> objects; // texts substituted, pictures filled in
};

struct PreparedDocument {
    QString title;        // window and PDF title
    QString fileBaseName; // suggested name of saved files, without suffix
    PageSetup page;
    std::vector<PreparedPage> pages;

    // All the text of one page, object by object, in drawing order (tests, find).
    [[nodiscard]] QStringList texts(int pageIndex = 0) const;
};

// The text shown in place of a [NAME] no variable answers.
[[nodiscard]] QString unknownVariableText(const QString &name);
// The text shown in place of a text variable whose expression does not evaluate.
[[nodiscard]] QString invalidExpressionText(const QString &name);

class Report final {
public:
    Report(QString title, QString fileBaseName, ReportTemplate reportTemplate);

    void setVariable(const QString &name, ReportValue value);
    [[nodiscard]] const ReportVariables &variables() const { return m_variables; }
    void setPicture(const QString &name, const QImage &image);

    [[nodiscard]] const ReportTemplate &reportTemplate() const { return m_template; }
    [[nodiscard]] PreparedDocument prepare() const;

    // Prepares the document afresh and shows it in the modal preview; returns
    // when the user closes it.
    void showReport(QWidget *parent) const;

private:
    [[nodiscard]] QString substitute(const QString &text, PrintStyle style, TDateTime today) const;

    QString m_title;
    QString m_fileBaseName;
    ReportTemplate m_template;
    ReportVariables m_variables;
    QHash<QString, QImage> m_pictures;
};

namespace ReportPreviewSeam {
// How showReport presents a document. The real one runs ReportPreview modally;
// tests install a recorder for as long as the guard lives.
using Presenter = std::function<void(QWidget *parent, const PreparedDocument &document)>;

class Override final {
public:
    explicit Override(Presenter presenter);
    ~Override();
    Override(const Override &) = delete;
    Override &operator=(const Override &) = delete;

private:
    Presenter m_previous;
};
} // namespace ReportPreviewSeam
