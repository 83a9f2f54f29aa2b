// SPDX-License-Identifier: MIT
#include "db/admin_database.h"

#include "db/query.h"

namespace {

QList<std::pair<QString, QVariant>> taxYearValues(const TaxYearRow &row)
{
    return {{QStringLiteral(":PANODEVENGO"), row.anodevengo},
            {QStringLiteral(":PTIPOGRAVAMEN"), row.tipogravamen},
            {QStringLiteral(":PFINTRAMO1"), row.fintramo[0]},
            {QStringLiteral(":PFINTRAMO2"), row.fintramo[1]},
            {QStringLiteral(":PFINTRAMO3"), row.fintramo[2]},
            {QStringLiteral(":PTIPOTRAMO1"), row.tipotramo[0]},
            {QStringLiteral(":PTIPOTRAMO2"), row.tipotramo[1]},
            {QStringLiteral(":PTIPOTRAMO3"), row.tipotramo[2]},
            {QStringLiteral(":PTIPOTRAMO4"), row.tipotramo[3]},
            {QStringLiteral(":PCOEFICIENTEREDUCTOR107"), row.coeficientereductor107}};
}

TaxYearRow taxYearRow(const QSqlRecord &row)
{
    const auto column = [&](const char *name) { return FieldValue::of(row, QLatin1String(name)); };
    return {column("ANODEVENGO").asInteger(),
            column("TIPOGRAVAMEN").asFloat(),
            {column("FINTRAMO1").asInteger(), column("FINTRAMO2").asInteger(), column("FINTRAMO3").asInteger()},
            {column("TIPOTRAMO1").asFloat(), column("TIPOTRAMO2").asFloat(), column("TIPOTRAMO3").asFloat(),
             column("TIPOTRAMO4").asFloat()},
            column("COEFICIENTEREDUCTOR107").asFloat()};
}

} // namespace

Expected<std::optional<TaxYearRow>> AdminDatabase::firstYearRow(const Statement &statement)
{
    const auto result = m_connection.query(statement);
    if (!result)
        return std::unexpected(result.error());
    if (result->rows.isEmpty())
        return std::nullopt;
    return taxYearRow(result->rows.first());
}

Expected<int> AdminDatabase::rowCount(const Statement &statement)
{
    const auto result = m_connection.query(statement);
    if (!result)
        return std::unexpected(result.error());
    return int(result->rows.size());
}

// --- Tax-year parameters ---------------------------------------------------------

Expected<QStringList> AdminDatabase::yearList()
{
    const auto result = m_connection.query(
        {{QStringLiteral("select * from CONFIGURACIONPLUSVALIASDB"), QStringLiteral("order by ANODEVENGO desc")}, {}});
    if (!result)
        return std::unexpected(result.error());
    QStringList years;
    for (const QSqlRecord &row : result->rows)
        years << FieldValue::of(row, QStringLiteral("anodevengo")).asString();
    return years;
}

Expected<std::optional<TaxYearRow>> AdminDatabase::parametersOfAYear(const QString &year)
{
    return firstYearRow(
        {{QStringLiteral("SELECT * FROM CONFIGURACIONPLUSVALIASDB"), QStringLiteral("WHERE ANODEVENGO = :PANODEVENGO")},
         {{QStringLiteral(":PANODEVENGO"), year}}});
}

Expected<int> AdminDatabase::identifierOfAYear(const QString &year)
{
    const auto result =
        m_connection.query({{QStringLiteral("select * from configuracionplusvaliasdb where ANODEVENGO= :pANODEVENGO")},
                            {{QStringLiteral(":pANODEVENGO"), year}}});
    if (!result)
        return std::unexpected(result.error());
    if (result->rows.isEmpty())
        return 0;
    return FieldValue::of(result->rows.first(), QStringLiteral("IDCONFIGURACIONPLUSVALIAS")).asInteger();
}

Expected<int> AdminDatabase::yearTaken(int year)
{
    return rowCount(
        {{QStringLiteral("SELECT * FROM configuracionplusvaliasdb"), QStringLiteral("where ANODEVENGO = :pANODEVENGO")},
         {{QStringLiteral(":pANODEVENGO"), year}}});
}

Expected<std::optional<TaxYearRow>> AdminDatabase::rowByIdentifier(int idconfiguracion)
{
    return firstYearRow({{QStringLiteral("select * from configuracionplusvaliasdb where IDCONFIGURACIONPLUSVALIAS= "
                                         ":pIDCONFIGURACIONPLUSVALIAS")},
                         {{QStringLiteral(":pIDCONFIGURACIONPLUSVALIAS"), idconfiguracion}}});
}

Expected<void> AdminDatabase::insertYear(const TaxYearRow &row)
{
    return m_connection.execute(
        {{QStringLiteral("Insert into configuracionplusvaliasdb"),
          QStringLiteral("(ANODEVENGO,TIPOGRAVAMEN,FINTRAMO1,FINTRAMO2,FINTRAMO3,TIPOTRAMO1,TIPOTRAMO2,TIPOTRAMO3,"
                         "TIPOTRAMO4,COEFICIENTEREDUCTOR107)"),
          QStringLiteral(" values (:PANODEVENGO,:PTIPOGRAVAMEN,:PFINTRAMO1,:PFINTRAMO2,:PFINTRAMO3,:PTIPOTRAMO1,"
                         ":PTIPOTRAMO2,:PTIPOTRAMO3,:PTIPOTRAMO4,:PCOEFICIENTEREDUCTOR107)")},
         taxYearValues(row)});
}

Expected<void> AdminDatabase::updateYear(int idconfiguracion, const TaxYearRow &row)
{
    Statement update{{QStringLiteral("Update configuracionplusvaliasdb"),
                      QStringLiteral("set ANODEVENGO=:PANODEVENGO,TIPOGRAVAMEN=:PTIPOGRAVAMEN,FINTRAMO1=:PFINTRAMO1,"
                                     "FINTRAMO2=:PFINTRAMO2,FINTRAMO3=:PFINTRAMO3,TIPOTRAMO1=:PTIPOTRAMO1,"),
                      QStringLiteral("TIPOTRAMO2=:PTIPOTRAMO2,TIPOTRAMO3=:PTIPOTRAMO3,TIPOTRAMO4=:PTIPOTRAMO4,"
                                     "COEFICIENTEREDUCTOR107=:PCOEFICIENTEREDUCTOR107"),
                      QStringLiteral("where IDCONFIGURACIONPLUSVALIAS = :pIDCONFIGURACIONPLUSVALIAS")},
                     taxYearValues(row)};
    update.values.emplaceBack(QStringLiteral(":pIDCONFIGURACIONPLUSVALIAS"), idconfiguracion);
    return m_connection.execute(update);
}

// --- Non-working days ----------------------------------------------------------------

Expected<void> AdminDatabase::daysOfAYear(TMyQuery &calendarList, int year)
{
    return calendarList.open(
        {{QStringLiteral("SELECT * FROM calendarioinhabildb"), QStringLiteral("where anoinhabil = :panoinhabil"),
          QStringLiteral("order by fechainhabil asc")},
         {{QStringLiteral(":panoinhabil"), year}}});
}

Expected<int> AdminDatabase::dayMarked(QDate day)
{
    return rowCount(
        {{QStringLiteral("SELECT * FROM calendarioinhabildb"), QStringLiteral("WHERE fechainhabil = :pfechainhabil")},
         {{QStringLiteral(":pfechainhabil"), day}}});
}

Expected<void> AdminDatabase::markDay(QDate day)
{
    return m_connection.execute(
        {{QStringLiteral("Insert into calendarioinhabildb"),
          QStringLiteral("(fechainhabil,anoinhabil) values (:pfechainhabil,:panoinhabil)")},
         {{QStringLiteral(":pfechainhabil"), day}, {QStringLiteral(":panoinhabil"), day.year()}}});
}

Expected<void> AdminDatabase::unmarkDay(QDate day)
{
    return m_connection.execute({{QStringLiteral("DELETE from calendarioinhabildb where fechainhabil= :pfechainhabil")},
                                 {{QStringLiteral(":pfechainhabil"), day}}});
}

// --- Notaries ----------------------------------------------------------------------------

Expected<void> AdminDatabase::notaryListAtCreation(TMyQuery &notaryList)
{
    return notaryList.open(
        {{QStringLiteral("select * from notariosdb"), QStringLiteral("order by nombrenotario asc")}, {}});
}

Expected<void> AdminDatabase::allNotaries(TMyQuery &notaryList)
{
    return notaryList.open(
        {{QStringLiteral("SELECT * FROM NOTARIOSDB"), QStringLiteral("order by nombrenotario asc")}, {}});
}

Expected<void> AdminDatabase::notarySearch(TMyQuery &notaryList, const QString &text)
{
    return notaryList.open(
        {{QStringLiteral("SELECT * FROM NOTARIOSDB"), QStringLiteral("WHERE NOMBRENOTARIO like :PNOMBRENOTARIO")},
         {{QStringLiteral(":PNOMBRENOTARIO"), QString(text + u'%')}}});
}

Expected<void> AdminDatabase::addNotary(const QString &nombrenotario)
{
    return m_connection.execute({{QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES (:Pnombrenotario)")},
                                 {{QStringLiteral(":Pnombrenotario"), nombrenotario}}});
}

Expected<void> AdminDatabase::deleteNotary(int idnotario)
{
    return m_connection.execute({{QStringLiteral("DELETE from notariosdb where idnotario= :pidnotario")},
                                 {{QStringLiteral(":pidnotario"), idnotario}}});
}
