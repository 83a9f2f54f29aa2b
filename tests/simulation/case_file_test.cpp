// SPDX-License-Identifier: MIT
#include "simulation/case_file.h"
#include "simulation_examples.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
SimulationInputs temporaryUsufruct(SimulationInputs inputs, const char *end)
{
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.usufructKind = UsufructKind::Temporary;
    inputs.usufructEnd = day(end);
    return inputs;
}

// A case as version 1 of the format writes it; files like it must keep opening.
const char kVersionOneCase[] = R"json({
  "formato": "plusvalia-caso",
  "version": 1,
  "programa": "plusvalia 1.0.0",
  "valor_catastral": "100000.00",
  "valoracion_colectiva": true,
  "porcentaje_transmitido": "100.00",
  "tipo_transmision": "inter-vivos",
  "prorroga": false,
  "clase_transmision": "nuda-propiedad-y-usufructo",
  "tipo_usufructo": "vitalicio",
  "edad_usufructuario": 45,
  "vencimiento_usufructo": null,
  "fecha_adquisicion": "2004-03-15",
  "fecha_devengo": "2014-03-15",
  "fecha_presentacion": "2014-09-01",
  "bonificacion": "Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)",
  "presentacion_con_ingreso": true,
  "requerimiento_previo": false
}
)json";

QByteArray withLine(const char *key, const char *value)
{
    QByteArray json(kVersionOneCase);
    const QByteArray marker = QByteArray("\"") + key + "\": ";
    const qsizetype start = json.indexOf(marker);
    EXPECT_GE(start, 0) << key;
    const qsizetype valueStart = start + marker.size();
    qsizetype end = json.indexOf('\n', valueStart);
    if (json.at(end - 1) == ',')
        --end;
    return json.replace(valueStart, end - valueStart, value);
}
} // namespace

TEST(CaseFile, AVersionOneFileReadsAndIsWrittenAgainByteForByte)
{
    const Expected<SimulationCase> read = caseFromJson(kVersionOneCase);
    ASSERT_TRUE(read) << read.error().message.toStdString();
    SimulationCase expected = caseOf(withBonus(lifeUsufruct(workedExampleFiledOn("01/09/2014"), "45")));
    EXPECT_EQ(*read, expected);
    EXPECT_EQ(caseToJson(*read), QByteArray(kVersionOneCase));
}

TEST(CaseFile, KeepsOnlyWhatTheInputSheetUses)
{
    SimulationInputs inputs = workedExampleFiledOn("20/05/2014");
    inputs.age = money("45.9");
    inputs.usufructKind = UsufructKind::Temporary;
    inputs.extension = true; // inter vivos: the box is off and disabled
    inputs.bonusDescription = QStringLiteral("texto de la lista");
    inputs.filingDate = TDateTime(inputs.filingDate.value() + 0.75);

    const SimulationCase full = caseOf(inputs);
    EXPECT_EQ(full.usufructKind, UsufructKind::Life);
    EXPECT_EQ(full.age, 0);
    EXPECT_FALSE(full.usufructEnd);
    EXPECT_FALSE(full.extension);
    EXPECT_TRUE(full.bonus.isEmpty());
    EXPECT_EQ(full.filingDate, day("20/05/2014"));

    const SimulationCase temporary = caseOf(temporaryUsufruct(inputs, "15/03/2020"));
    EXPECT_EQ(temporary.age, 0);
    EXPECT_EQ(temporary.usufructEnd, day("15/03/2020"));

    const SimulationCase life = caseOf(lifeUsufruct(inputs, "45.9"));
    EXPECT_EQ(life.age, 45);
    EXPECT_FALSE(life.usufructEnd);
    // Two sets of inputs that differ only where the sheet does not look give one file.
    EXPECT_EQ(caseToJson(life), caseToJson(caseOf(lifeUsufruct(workedExampleFiledOn("20/05/2014"), "45"))));
}

TEST(CaseFile, RefusesWhatIsNoCaseADamagedCaseAndANewerFormat)
{
    const QString notACase = QStringLiteral("El fichero no es una simulación guardada por este programa.");
    struct Refusal {
        QByteArray json;
        QString message; // the whole message, or its start for a damaged case
    };
    const std::vector<Refusal> table = {
        {"", notACase},
        {"{\"formato\": \"otro\", \"version\": 1}", notACase},
        {QByteArray(kVersionOneCase).left(200), notACase},
        {withLine("version", "2"),
         QStringLiteral("El fichero es de una versión posterior del formato (2); este programa lee hasta la versión "
                        "1. Ábralo con una versión más reciente del programa.")},
        {withLine("version", "\"1\""), QStringLiteral("El fichero está dañado: «version» debe ser un número entero.")},
        {QByteArray(kVersionOneCase).replace("  \"fecha_devengo\": \"2014-03-15\",\n", ""),
         QStringLiteral("El fichero está dañado: falta el dato «fecha_devengo».")},
        {withLine("valor_catastral", "100000"), QStringLiteral("El fichero está dañado: «valor_catastral» debe ser")},
        {withLine("valor_catastral", "\"100000000.01\""),
         QStringLiteral("El fichero está dañado: «valor_catastral» debe ser")},
        {withLine("porcentaje_transmitido", "\"100.01\""),
         QStringLiteral("El fichero está dañado: «porcentaje_transmitido» debe ser")},
        {withLine("valoracion_colectiva", "1"),
         QStringLiteral("El fichero está dañado: «valoracion_colectiva» debe ser true o false.")},
        {withLine("tipo_transmision", "\"Inter-vivos\""),
         QStringLiteral("El fichero está dañado: «tipo_transmision» debe ser \"inter-vivos\" o \"mortis-causa\".")},
        {withLine("prorroga", "true"),
         QStringLiteral("El fichero está dañado: «prorroga» solo puede ser true en una transmisión mortis-causa.")},
        {withLine("edad_usufructuario", "45.5"),
         QStringLiteral("El fichero está dañado: «edad_usufructuario» debe ser un número entero de años, de 0 a 110.")},
        {withLine("vencimiento_usufructo", "\"2020-01-01\""),
         QStringLiteral("El fichero está dañado: «vencimiento_usufructo» solo se da con usufructo temporal; aquí "
                        "debe ser null.")},
        {withLine("tipo_usufructo", "\"temporal\""),
         QStringLiteral("El fichero está dañado: «edad_usufructuario» solo se da con usufructo vitalicio; aquí debe "
                        "ser null.")},
        {withLine("fecha_devengo", "\"15/03/2014\""),
         QStringLiteral("El fichero está dañado: «fecha_devengo» debe ser una fecha aaaa-mm-dd.")},
        {withLine("bonificacion", "\"\""),
         QStringLiteral("El fichero está dañado: «bonificacion» debe ser el nombre de la bonificación o null.")},
        {withLine("requerimiento_previo", "false,\n  \"resultado\": \"5100.08\""),
         QStringLiteral("El fichero está dañado: «resultado» no es un dato de una simulación.")},
    };
    for (const Refusal &refusal : table) {
        const Expected<SimulationCase> read = caseFromJson(refusal.json);
        ASSERT_FALSE(read) << refusal.json.toStdString();
        EXPECT_TRUE(read.error().message.startsWith(refusal.message)) << read.error().message.toStdString() << "\n"
                                                                      << refusal.json.toStdString();
    }
}

TEST(CaseFile, AFileIsReadBackAndWhatCannotBeReadIsTold)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("caso.plusvalia"));
    const SimulationCase kept = caseOf(lifeUsufruct(workedExampleFiledOn("20/05/2014"), "45"));
    ASSERT_TRUE(writeCaseFile(path, kept));
    const Expected<SimulationCase> read = readCaseFile(path);
    ASSERT_TRUE(read) << read.error().message.toStdString();
    EXPECT_EQ(*read, kept);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("caso.plusvalia")});

    struct Unreadable {
        QString path;
        QString message;
    };
    QFile big(folder.filePath(QStringLiteral("grande.plusvalia")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(70 * 1024, ' ') + kVersionOneCase);
    big.close();
    for (const auto &[file, message] : {
             Unreadable{folder.filePath(QStringLiteral("falta.plusvalia")), QStringLiteral("El fichero no existe.")},
             Unreadable{folder.path(), QStringLiteral("Es una carpeta, no un fichero.")},
             Unreadable{big.fileName(), QStringLiteral("El fichero no es una simulación guardada por este programa.")},
         }) {
        const Expected<SimulationCase> refused = readCaseFile(file);
        ASSERT_FALSE(refused) << file.toStdString();
        EXPECT_EQ(refused.error().message, message);
    }
}
