// SPDX-License-Identifier: MIT
#include "report/report.h"

#include "platform/platform.h"
#include "report/reportpreview.h"

#include <algorithm>
#include <utility>

namespace {
ReportPreviewSeam::Presenter &presenter()
{
    static ReportPreviewSeam::Presenter current = [](QWidget *parent, const PreparedDocument &document) {
        ReportPreview preview(document, parent);
        preview.exec();
    };
    return current;
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}
} // namespace

QStringList PreparedDocument::texts(int pageIndex) const
{
    QStringList result;
    if (pageIndex < 0 || static_cast<std::size_t>(pageIndex) >= pages.size())
        return result;
    for (const ReportObject &object : pages[static_cast<std::size_t>(pageIndex)].objects) {
        if (object.kind == ObjectKind::Memo)
            result << object.text;
    }
    return result;
}

QString unknownVariableText(const QString &name)
{
    return QStringLiteral("¿%1? (variable desconocida)").arg(name);
}

QString invalidExpressionText(const QString &name)
{
    return QStringLiteral("¿%1? (expresión no válida)").arg(name);
}

Report::Report(QString title, QString fileBaseName, ReportTemplate reportTemplate)
    : m_title(std::move(title)), m_fileBaseName(std::move(fileBaseName)), m_template(std::move(reportTemplate))
{
}

void Report::setVariable(const QString &name, ReportValue value)
{
    m_variables.set(name, std::move(value));
}

void Report::setPicture(const QString &name, const QImage &image)
{
    m_pictures.insert(name, image);
}

QString Report::substitute(const QString &text, PrintStyle style, TDateTime today) const
{
    if (!text.contains(u'['))
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'[', pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u']', open + 1);
        if (open < 0 || close < 0) {
            result += QStringView(text).sliced(pos);
            break;
        }
        result += QStringView(text).sliced(pos, open - pos);
        const QString name = text.sliced(open + 1, close - open - 1).trimmed();
        pos = close + 1;
        if (const ReportValue *value = m_variables.find(name)) {
            const auto formatted = formatValue(*value, style);
            result += formatted ? *formatted : invalidExpressionText(name);
        } else if (name.compare(u"Date", Qt::CaseInsensitive) == 0) {
            // The current date, in the memo's date style (a plain date when it has none).
            const PrintStyle dateStyle = style == PrintStyle::None ? PrintStyle::Date : style;
            result += formatValue(DayCount{today.value()}, dateStyle).value_or(QString());
        } else if (!name.isEmpty() && std::all_of(name.cbegin(), name.cend(), isNameChar)) {
            result += unknownVariableText(name);
        } else {
            // Not a variable reference: keep the brackets as written.
            result += QStringView(text).sliced(open, close - open + 1);
        }
    }
    return result;
}

PreparedDocument Report::prepare() const
{
    const TDateTime today = Platform::clock().today();
    PreparedDocument document;
    document.title = m_title;
    document.fileBaseName = m_fileBaseName;
    document.page = m_template.page;
    PreparedPage page;
    page.objects = m_template.objects;
    for (ReportObject &object : page.objects) {
        if (object.kind == ObjectKind::Memo) {
            object.text = substitute(object.text, object.style, today);
        } else if (object.kind == ObjectKind::Picture) {
            object.image = m_pictures.value(object.picture);
        }
    }
    document.pages.push_back(std::move(page));
    return document;
}

void Report::showReport(QWidget *parent) const
{
    presenter()(parent, prepare());
}

namespace ReportPreviewSeam {
Override::Override(Presenter replacement) : m_previous(std::exchange(presenter(), std::move(replacement))) {}

Override::~Override()
{
    presenter() = std::move(m_previous);
}
} // namespace ReportPreviewSeam
